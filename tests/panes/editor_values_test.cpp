#include "panes/editor_settings.h"
#include "panes/find_state.h"

#include "platform/memory_settings_store.h"

#include <gtest/gtest.h>
#include <string>

namespace vorlane {
namespace {

// The values round trip as decimal texts under their sections and keys; an empty profile, or one that cannot be read
// (which also refuses the save), gives the defaults.
TEST(EditorSettings, SaveWritesDecimalValuesUnderTheirSectionsAndKeysAndAnEmptyProfileGivesTheDefaults) {
    MemorySettingsStore store;
    EditorSettings settings;
    settings.SetColumnWidth(321);
    settings.SetColour(EditorColour::LockText, 0x123456);
    settings.SetKeepBackup(false);
    ASSERT_TRUE(settings.Save(store));

    EXPECT_EQ(store.ValueCount(), 19u);
    EXPECT_EQ(store.ReadProfileText("Files", "KeepBackup", ""), "0");
    EXPECT_EQ(store.ReadProfileText("Display", "ColumnWidth", ""), "321");
    EXPECT_EQ(store.ReadProfileText("Color", "LockText", ""), "1193046");
    EXPECT_EQ(store.ReadProfileText("Color", "SelBkgnd", ""), "7021576");
    EXPECT_EQ(store.ReadProfileText("Color", "Index", ""), "15780040");
    for (const char* key : {"ActTransponder", "ScrambledText", "CHLine"}) // 19 values: no two keys collide
        EXPECT_NE(store.ReadProfileText("Color", key, ""), "") << key;

    EditorSettings loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded, settings);

    for (const bool available : {true, false}) {
        MemorySettingsStore empty;
        empty.SetAvailable(available);
        if (!available) {
            EXPECT_FALSE(settings.Save(empty));
        }
        loaded.Load(empty);
        EXPECT_EQ(loaded, EditorSettings());
    }
}

FindState Search(std::string text, bool wholeWord = false, bool matchCase = false) {
    FindState state;
    state.findText = std::move(text);
    state.wholeWord = wholeWord;
    state.matchCase = matchCase;
    return state;
}

// Whole word cuts at the separators only (not at '.' or ':'); an empty text matches nothing.
TEST(FindMatches, TextWholeWordAndCase) {
    struct Case {
        const char* text;
        bool wholeWord, matchCase;
        const char* row;
        bool matches;
    };
    const Case cases[] = {{"", false, false, "ABC", false},     {"", true, false, "", false},
                          {"BC", false, false, "ABC.TV", true}, {"tv", false, false, "ABC.TV", true},
                          {"tv", false, true, "ABC.TV", false}, {"TV", false, true, "ABC.TV", true},
                          {"ABCD", false, false, "ABC", false}, {"ABC", true, false, "ABC.TV", false},
                          {"ABC", true, false, "ABC-TV", true}, {"ABC", true, false, "ABCD", false},
                          {"ABC", true, false, "x:ABC", false}, {"abc", true, false, "ABC TV", true},
                          {"abc", true, true, "ABC TV", false}, {"\xF6", false, false, "K\xD6LN", true}};
    for (const Case& c : cases)
        EXPECT_EQ(FindMatches(Search(c.text, c.wholeWord, c.matchCase), c.row), c.matches) << c.text << " in " << c.row;
    for (const char* row :
         {"x ABC", "x,ABC", "x+ABC", "x~ABC", "x|ABC", "x/ABC", "x\\ABC", "x`ABC", "x_ABC", "x\tABC", "x\nABC", "ABC-"})
        EXPECT_TRUE(FindMatches(Search("ABC", true), row)) << row;
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
}

} // namespace
} // namespace vorlane
