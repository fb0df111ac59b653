#include "database/integrity_phrase.h"

namespace vorlane {

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

std::string IntegrityPhrase::Text() const {
    return FillPattern(pattern, values);
}

} // namespace vorlane
