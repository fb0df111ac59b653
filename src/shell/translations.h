#pragma once
// The editor speaks the language of the user's locale: its own translations (built into the program) and Qt's
// standard texts. English is the source language and needs no translation.

#include "loader/language_texts.h"

#include <filesystem>
#include <vector>

namespace vorlane::ui {

// Installs the translations for the system locale into the running application.
void InstallTranslations();

// The loader's built-in texts through the installed translations, as the ISO-8859-1 bytes the loader's texts are.
LanguageTexts::DefaultTranslation LoaderTextTranslation();

// Where a "language.ini" that replaces the loader's texts is looked for, first match wins: the working folder, the
// user's data folder (~/.local/share/Vorlane), then the program's own folder.
std::vector<std::filesystem::path> LanguageFileFolders();

} // namespace vorlane::ui
