#include "panes/find_state.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

FindState Search(std::string text, bool wholeWord = false, bool matchCase = false) {
    FindState state;
    state.find_text = std::move(text);
    state.whole_word = wholeWord;
    state.match_case = matchCase;
    return state;
}

TEST(FindMatches, AnEmptyTextMatchesNothing) {
    EXPECT_FALSE(FindMatches(Search(""), "ABC"));
    EXPECT_FALSE(FindMatches(Search("", true), ""));
}

TEST(FindMatches, WithoutWholeWordTheTextMayOccurAnywhere) {
    EXPECT_TRUE(FindMatches(Search("BC"), "ABC.TV"));
    EXPECT_TRUE(FindMatches(Search("tv"), "ABC.TV"));
    EXPECT_FALSE(FindMatches(Search("tv", false, true), "ABC.TV"));
    EXPECT_TRUE(FindMatches(Search("TV", false, true), "ABC.TV"));
    EXPECT_FALSE(FindMatches(Search("ABCD"), "ABC"));
}

TEST(FindMatches, WholeWordCutsAtTheSeparatorsOnly) {
    EXPECT_FALSE(FindMatches(Search("ABC", true), "ABC.TV"));
    EXPECT_TRUE(FindMatches(Search("ABC", true), "ABC-TV"));
    for (const char* row :
         {"x ABC", "x,ABC", "x+ABC", "x~ABC", "x|ABC", "x/ABC", "x\\ABC", "x`ABC", "x_ABC", "x\tABC", "x\nABC", "ABC-"})
        EXPECT_TRUE(FindMatches(Search("ABC", true), row)) << row;
    EXPECT_FALSE(FindMatches(Search("ABC", true), "ABCD"));
    EXPECT_FALSE(FindMatches(Search("ABC", true), "x:ABC"));
    EXPECT_TRUE(FindMatches(Search("abc", true), "ABC TV"));
    EXPECT_FALSE(FindMatches(Search("abc", true, true), "ABC TV"));
}

TEST(FindMatches, UpperHalfBytesCompareUnchanged) {
    EXPECT_TRUE(FindMatches(Search("\xE9t\xE9"), "T\xC9L\xC9 \xE9t\xE9"));
    EXPECT_FALSE(FindMatches(Search("\xC9T\xC9"), "\xE9t\xE9"));
}

} // namespace
} // namespace vorlane
