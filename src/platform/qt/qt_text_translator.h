#pragma once
// The editor's translators for the texts the core builds: Qt's translations, looked up in the core's context.

#include "platform/text_translator.h"

namespace vorlane {

class QtTextTranslator final : public TextTranslator {
public:
    enum class Encoding { Utf8, Latin1 };
    explicit QtTextTranslator(Encoding encoding) : m_encoding(encoding) {}

    std::string Translate(const char* context, const char* text) const override;

private:
    Encoding m_encoding;
};

// For texts the editor reads as UTF-8.
const TextTranslator& QtTexts();
// For texts that go where the loader's own texts go (its message window and status line), which read ISO-8859-1.
const TextTranslator& QtLatin1Texts();

} // namespace vorlane
