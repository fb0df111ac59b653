#pragma once
// The editor speaks the language of the user's locale: its own translations (built into the program) and Qt's
// standard texts. English is the source language and needs no translation.

#include "loader/language_texts.h"

namespace vorlane::ui {

// Installs the translations for the system locale into the running application.
void InstallTranslations();

// The loader's built-in texts through the installed translations, as the ISO-8859-1 bytes the loader's texts are.
LanguageTexts::DefaultTranslation LoaderTextTranslation();

} // namespace vorlane::ui
