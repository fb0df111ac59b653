#include "settings/ui/osd_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace vorlane::ui {
namespace {

constexpr int kTransparencyStep = 10; // percent per item; the items are 10 .. 100

QStringList TransparencyItems() {
    QStringList items;
    for (int percent = kTransparencyStep; percent <= 100; percent += kTransparencyStep)
        items << QString::number(percent);
    return items;
}

// A list with its unit written behind it.
QHBoxLayout* WithUnit(QWidget* page, QComboBox* list, const char* unit) {
    auto* row = new QHBoxLayout;
    row->addWidget(list);
    row->addWidget(new QLabel(QCoreApplication::translate("OsdPage", unit), page));
    row->addStretch();
    return row;
}

} // namespace

OsdPage::OsdPage(QWidget* parent)
    : StbPage(parent), m_pipScreenSize(MakeChoiceList(
                           this, "pipScreenSize",
                           {QT_TRANSLATE_NOOP("ChoiceItems", "Extra Small"), QT_TRANSLATE_NOOP("ChoiceItems", "Small"),
                            QT_TRANSLATE_NOOP("ChoiceItems", "Medium"), QT_TRANSLATE_NOOP("ChoiceItems", "Large")})),
      m_osdTransparency(MakeChoiceList(this, "osdTransparency", TransparencyItems())),
      m_infoBoxTimeout(MakeChoiceList(this, "infoBoxTimeout", NumberItems(0, 30))),
      m_volumeIndicator(MakeChoiceList(this, "volumeIndicator", kOffOn)) {
    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("OsdPage", "PIP Screen Size"), m_pipScreenSize);
    form->addRow(QCoreApplication::translate("OsdPage", "OSD Transparency"), WithUnit(this, m_osdTransparency, "%"));
    form->addRow(QCoreApplication::translate("OsdPage", "Info Box Time-Out"),
                 WithUnit(this, m_infoBoxTimeout, QT_TRANSLATE_NOOP("OsdPage", "sec.")));
    form->addRow(QCoreApplication::translate("OsdPage", "Display Volume Indicator"), m_volumeIndicator);
}

void OsdPage::Initialise(const ReceiverSettings& settings) {
    ShowCode(*m_pipScreenSize, settings.pip_size());
    // Values between the steps show the step below them.
    ShowCode(*m_osdTransparency, settings.osd_transparency() / kTransparencyStep, 1);
    ShowCode(*m_infoBoxTimeout, settings.info_box_timeout());
    ShowCode(*m_volumeIndicator, settings.volume_indicator());
}

bool OsdPage::Save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_pipScreenSize))
        settings.set_pip_size(*code);
    if (auto step = SelectedCode(*m_osdTransparency, 1))
        settings.set_osd_transparency(static_cast<std::uint8_t>(*step * kTransparencyStep));
    if (auto seconds = SelectedCode(*m_infoBoxTimeout)) {
        settings.set_info_box_timeout(*seconds);
        settings.set_info_box_timeout_2(*seconds);
    }
    if (auto code = SelectedCode(*m_volumeIndicator))
        settings.set_volume_indicator(*code);
    return true;
}

} // namespace vorlane::ui
