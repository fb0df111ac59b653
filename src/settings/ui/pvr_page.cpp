#include "settings/ui/pvr_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace vorlane::ui {

PvrPage::PvrPage(QWidget* parent) : StbPage(parent) {
    auto* hours = MakeChoiceList(this, "recordHours", NumberItems(0, 10, 2));
    auto* minutes = MakeChoiceList(this, "recordMinutes", NumberItems(0, 59, 2));
    for (QComboBox* twoDigits : {hours, minutes})
        twoDigits->setMinimumContentsLength(3);
    auto* recordTime = new QHBoxLayout;
    recordTime->addWidget(hours);
    recordTime->addWidget(new QLabel(QCoreApplication::translate("PvrPage", "Hour"), this));
    recordTime->addWidget(minutes);
    recordTime->addWidget(new QLabel(QCoreApplication::translate("PvrPage", "Mins"), this));
    recordTime->addStretch();

    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("PvrPage", "Default Record Time"), recordTime);
    form->addRow(QCoreApplication::translate("PvrPage", "Repeat Playing"),
                 MakeChoiceList(this, "repeatPlaying", kOffOn));
    form->addRow(
        QCoreApplication::translate("PvrPage", "HDD Sleep"),
        MakeChoiceList(this, "hddSleep",
                       {QT_TRANSLATE_NOOP("ChoiceItems", "Disable"), QT_TRANSLATE_NOOP("ChoiceItems", "After 1 mins"),
                        QT_TRANSLATE_NOOP("ChoiceItems", "After 10 mins"),
                        QT_TRANSLATE_NOOP("ChoiceItems", "After 30 mins"),
                        QT_TRANSLATE_NOOP("ChoiceItems", "After 60 mins")}));
    form->addRow(
        QCoreApplication::translate("PvrPage", "Timeshift"),
        MakeChoiceList(this, "timeshift",
                       {QT_TRANSLATE_NOOP("ChoiceItems", "Disable"), QT_TRANSLATE_NOOP("ChoiceItems", "Enable")}));
}

void PvrPage::Initialise(const ReceiverSettings&) {}

bool PvrPage::Save(ReceiverSettings&) {
    return true;
}

} // namespace vorlane::ui
