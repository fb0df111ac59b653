#pragma once
// What a pane remembers of its last search, and the rule by which a row's text matches it. Each pane that can
// search owns one FindState, so every pane keeps its own last text for F3. Plain C++, no window system.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlane {

struct FindState {
    static constexpr std::size_t kMaxFindTextLength = 32;

    std::string findText; // bytes as the rows show them (ISO-8859-1)
    bool wholeWord = false;
    bool matchCase = false;
};

// Without wholeWord the text may occur anywhere in the row; with it, one of the row's words (cut at space , - +
// ~ | / \ ` _ tab and newline) must equal the text. Without matchCase both sides compare in lower case. An
// empty find text matches nothing.
bool FindMatches(const FindState& state, std::string_view rowText);

} // namespace vorlane
