#include "settings/ui/lnb_power_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>

namespace vorlane::ui {
namespace {
constexpr int kPowerOffItem = 0;
constexpr int kPowerOnItem = 1;
} // namespace

LnbPowerPage::LnbPowerPage(QWidget* parent)
    : StbPage(parent), m_tunerConnect(MakeChoiceList(this, "tunerConnect",
                                                     {QT_TRANSLATE_NOOP("ChoiceItems", "Separated"),
                                                      QT_TRANSLATE_NOOP("ChoiceItems", "Loop Through"),
                                                      QT_TRANSLATE_NOOP("ChoiceItems", "Dual (Same)")})),
      m_lnbPower(MakeChoiceList(this, "lnbPower", kOffOn)), m_powerState(MakeChoiceList(this, "powerState", kOffOn)) {
    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("LnbPowerPage", "Tuner Connect"), m_tunerConnect);
    form->addRow(QCoreApplication::translate("LnbPowerPage", "LNB Power"), m_lnbPower);
    form->addRow(QCoreApplication::translate("LnbPowerPage", "Power State"), m_powerState);

    // The receiver has no tuner choice here; the control stays on the page, hidden and disabled.
    auto* tunerSelectLabel = new QLabel(QCoreApplication::translate("LnbPowerPage", "Tuner Select"), this);
    auto* tunerSelect = MakeChoiceList(this, "tunerSelect", {});
    form->addRow(tunerSelectLabel, tunerSelect);
    tunerSelectLabel->setEnabled(false);
    tunerSelect->setEnabled(false);
    form->setRowVisible(tunerSelect, false);
}

void LnbPowerPage::Initialise(const ReceiverSettings& settings) {
    ShowCode(*m_tunerConnect, settings.tuner_connection());
    ShowCode(*m_lnbPower, settings.lnb_power());
    m_powerState->setCurrentIndex(settings.power_on() ? kPowerOnItem : kPowerOffItem);
}

bool LnbPowerPage::Save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_tunerConnect))
        settings.set_tuner_connection(*code);
    if (auto code = SelectedCode(*m_lnbPower))
        settings.set_lnb_power(*code);
    settings.set_power_state(m_powerState->currentIndex() == kPowerOnItem ? kPowerStateOn : kPowerStateOff);
    return true;
}

} // namespace vorlane::ui
