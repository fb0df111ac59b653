#pragma once
// A text of the integrity check: an English pattern with %1, %2, ... and the values that go in. The editor
// translates the pattern before it puts the values in; the command line and the traces use the English text.

#include "platform/text_translator.h"

#include <string>
#include <vector>

namespace vorlane {

struct IntegrityPhrase {
    const char* pattern = "";
    std::vector<std::string> values;

    // Filed under the "IntegrityCheck" context.
    std::string Text(const TextTranslator& texts = EnglishTexts()) const;
};

} // namespace vorlane
