#include "settings/ui/language_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>

namespace vorlane::ui {

const QStringList kReceiverLanguages{
    "English", "German",  "French",    "Spanish",   "Italian", "Portuguese", "Swedish",   "Danish",
    "Dutch",   "Finish",  "Hungarian", "Norwegian", "Polish",  "Romanian",   "Slovenian", "Russian",
    "Turkish", "Arabic",  "Greek",     "Czech",     "China",   "Korea",      "Japanese",  "Persian",
    "Latin",   "Bengali", "Tamil",     "Hebrew",    "Slovak",  "Makasar",    "Ukrainian"};

LanguagePage::LanguagePage(QWidget* parent)
    : StbPage(parent), m_menuLanguage(MakeChoiceList(this, "menuLanguage", kReceiverLanguages)),
      m_audioLanguage(MakeChoiceList(this, "audioLanguage", kReceiverLanguages)),
      m_subtitleLanguage(MakeChoiceList(this, "subtitleLanguage", kReceiverLanguages)) {
    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("LanguagePage", "Menu Language"), m_menuLanguage);
    form->addRow(QCoreApplication::translate("LanguagePage", "Audio Language"), m_audioLanguage);
    form->addRow(QCoreApplication::translate("LanguagePage", "Subtitle Language"), m_subtitleLanguage);
}

void LanguagePage::initialise(const ReceiverSettings& settings) {
    ShowCode(*m_menuLanguage, settings.menu_language());
    ShowCode(*m_audioLanguage, settings.audio_language());
    ShowCode(*m_subtitleLanguage, settings.subtitle_language());
}

bool LanguagePage::save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_menuLanguage))
        settings.set_menu_language(*code);
    if (auto code = SelectedCode(*m_audioLanguage))
        settings.set_audio_language(*code);
    if (auto code = SelectedCode(*m_subtitleLanguage))
        settings.set_subtitle_language(*code);
    return true;
}

} // namespace vorlane::ui
