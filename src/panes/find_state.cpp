#include "panes/find_state.h"

#include "panes/latin1_case.h"

#include <algorithm>

namespace vorlane {
namespace {

constexpr std::string_view kWordSeparators = " ,-+~|/\\`_\t\n";

std::string Folded(std::string_view text, bool matchCase) {
    std::string result(text);
    if (!matchCase)
        std::transform(result.begin(), result.end(), result.begin(), FoldLatin1Case);
    return result;
}

bool HasWord(std::string_view text, std::string_view word) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(kWordSeparators, start), text.size());
        if (text.substr(start, end - start) == word)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

bool FindMatches(const FindState& state, std::string_view rowText) {
    if (state.findText.empty())
        return false;
    const std::string needle = Folded(state.findText, state.matchCase);
    const std::string haystack = Folded(rowText, state.matchCase);
    if (state.wholeWord)
        return HasWord(haystack, needle);
    return haystack.find(needle) != std::string::npos;
}

} // namespace vorlane
