#pragma once
// Puts a text the core builds into the user's language. The core hands over the English text, marked with
// VORLANE_TRANSLATABLE so that the translation tools collect it, and the context it is filed under; the editor
// looks it up in its translations, the command line and the traces keep the English text.

#include "platform/translatable.h"

#include <string>
#include <vector>

namespace vorlane {

// Translators live for the program's run (EnglishTexts(), QtTexts()); holders keep a reference, so no temporary
// one can be made.
class TextTranslator {
public:
    virtual ~TextTranslator() = default;
    TextTranslator(const TextTranslator&) = delete;
    TextTranslator& operator=(const TextTranslator&) = delete;

    virtual std::string Translate(const char* context, const char* text) const;
    // The translated pattern with its %1 ... %9 replaced by `values`.
    std::string Fill(const char* context, const char* pattern, const std::vector<std::string>& values) const;

protected:
    TextTranslator() = default;
};

// Keeps every text in English.
const TextTranslator& EnglishTexts();

// The pattern's %1 ... %9 replaced by the values in `values`, in order of their numbers.
std::string FillPattern(const std::string& pattern, const std::vector<std::string>& values);

} // namespace vorlane
