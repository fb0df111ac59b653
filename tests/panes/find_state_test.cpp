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

// Every ISO-8859-1 capital finds its small letter and back; the multiplication and division signs stay apart.
TEST(FindMatches, CaseFoldingCoversEveryLatin1Letter) {
    for (int capital = 0xC0; capital <= 0xDE; ++capital) {
        const std::string upper(1, static_cast<char>(capital));
        const std::string lower(1, static_cast<char>(capital + 0x20));
        EXPECT_EQ(capital != 0xD7, FindMatches(Search(lower), "x" + upper)) << capital;
        EXPECT_EQ(capital != 0xD7, FindMatches(Search(upper, true), "a " + lower)) << capital;
        EXPECT_FALSE(FindMatches(Search(lower, false, true), upper)) << capital;
    }
    EXPECT_TRUE(FindMatches(Search("\xF6"), "K\xD6LN")); // "ö" finds "Ö"
}

} // namespace
} // namespace vorlane
