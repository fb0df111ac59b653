#include "platform/text_translator.h"

namespace vorlane {

std::string TextTranslator::Translate(const char* /*context*/, const char* text) const {
    return text;
}

std::string TextTranslator::Fill(const char* context, const char* pattern,
                                 const std::vector<std::string>& values) const {
    return FillPattern(Translate(context, pattern), values);
}

namespace {

class EnglishTranslator final : public TextTranslator {};

} // namespace

const TextTranslator& EnglishTexts() {
    static const EnglishTranslator english;
    return english;
}

std::string FillPattern(const std::string& pattern, const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker =
            pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const auto index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vorlane
