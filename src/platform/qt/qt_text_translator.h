#pragma once
// The editor's translator for the texts the core builds: Qt's translations, looked up in the core's context.

#include "platform/text_translator.h"

namespace vorlane {

class QtTextTranslator final : public TextTranslator {
public:
    std::string Translate(const char* context, const char* text) const override;
};

// The one the editor hands to the core.
const TextTranslator& QtTexts();

} // namespace vorlane
