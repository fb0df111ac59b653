#include "settings/ui/language_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>

namespace vorlane::ui {

const QStringList kReceiverLanguages{
    QT_TRANSLATE_NOOP("ChoiceItems", "English"),   QT_TRANSLATE_NOOP("ChoiceItems", "German"),
    QT_TRANSLATE_NOOP("ChoiceItems", "French"),    QT_TRANSLATE_NOOP("ChoiceItems", "Spanish"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Italian"),   QT_TRANSLATE_NOOP("ChoiceItems", "Portuguese"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Swedish"),   QT_TRANSLATE_NOOP("ChoiceItems", "Danish"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Dutch"),     QT_TRANSLATE_NOOP("ChoiceItems", "Finish"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Hungarian"), QT_TRANSLATE_NOOP("ChoiceItems", "Norwegian"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Polish"),    QT_TRANSLATE_NOOP("ChoiceItems", "Romanian"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Slovenian"), QT_TRANSLATE_NOOP("ChoiceItems", "Russian"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Turkish"),   QT_TRANSLATE_NOOP("ChoiceItems", "Arabic"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Greek"),     QT_TRANSLATE_NOOP("ChoiceItems", "Czech"),
    QT_TRANSLATE_NOOP("ChoiceItems", "China"),     QT_TRANSLATE_NOOP("ChoiceItems", "Korea"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Japanese"),  QT_TRANSLATE_NOOP("ChoiceItems", "Persian"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Latin"),     QT_TRANSLATE_NOOP("ChoiceItems", "Bengali"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Tamil"),     QT_TRANSLATE_NOOP("ChoiceItems", "Hebrew"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Slovak"),    QT_TRANSLATE_NOOP("ChoiceItems", "Makasar"),
    QT_TRANSLATE_NOOP("ChoiceItems", "Ukrainian")};

LanguagePage::LanguagePage(QWidget* parent)
    : StbPage(parent), m_menuLanguage(MakeChoiceList(this, "menuLanguage", kReceiverLanguages)),
      m_audioLanguage(MakeChoiceList(this, "audioLanguage", kReceiverLanguages)),
      m_subtitleLanguage(MakeChoiceList(this, "subtitleLanguage", kReceiverLanguages)) {
    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("LanguagePage", "Menu Language"), m_menuLanguage);
    form->addRow(QCoreApplication::translate("LanguagePage", "Audio Language"), m_audioLanguage);
    form->addRow(QCoreApplication::translate("LanguagePage", "Subtitle Language"), m_subtitleLanguage);
}

void LanguagePage::Initialise(const ReceiverSettings& settings) {
    ShowCode(*m_menuLanguage, settings.menu_language());
    ShowCode(*m_audioLanguage, settings.audio_language());
    ShowCode(*m_subtitleLanguage, settings.subtitle_language());
}

bool LanguagePage::Save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_menuLanguage))
        settings.set_menu_language(*code);
    if (auto code = SelectedCode(*m_audioLanguage))
        settings.set_audio_language(*code);
    if (auto code = SelectedCode(*m_subtitleLanguage))
        settings.set_subtitle_language(*code);
    return true;
}

} // namespace vorlane::ui
