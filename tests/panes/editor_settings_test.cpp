#include "panes/editor_settings.h"

#include "platform/memory_settings_store.h"

#include <gtest/gtest.h>
#include <string>

namespace vorlane {
namespace {

// An empty profile, or one that cannot be read (which also refuses the save), gives the defaults.
TEST(EditorSettings, EmptyOrUnavailableProfileGivesTheProfileDefaults) {
    for (const bool available : {true, false}) {
        MemorySettingsStore store;
        store.SetAvailable(available);
        EditorSettings settings;
        settings.set_column_width(555);
        if (!available) {
            EXPECT_EQ(settings.Save(store), 0);
        }
        settings.Load(store);
        EXPECT_EQ(settings, EditorSettings());
    }
}

TEST(EditorSettings, SaveWritesDecimalValuesUnderTheirSectionsAndKeys) {
    MemorySettingsStore store;
    EditorSettings settings;
    settings.set_column_width(321);
    settings.set_colour(EditorColour::LockText, 0x123456);
    settings.set_keep_backup(false);
    ASSERT_EQ(settings.Save(store), 1);

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
}

TEST(EditorSettings, ResetColoursSetsTheDefaultColourColumnAndKeepsTheWidth) {
    EditorSettings settings;
    settings.set_column_width(400);
    for (const EditorColourEntry& entry : EditorColourTable())
        settings.set_colour(entry.colour, 0x010203);
    settings.ResetColours();
    EXPECT_EQ(settings.column_width(), 400);
    EXPECT_EQ(settings.colour(EditorColour::Index), 0xFADCDCu);
    for (const EditorColourEntry& entry : EditorColourTable()) {
        EXPECT_EQ(settings.colour(entry.colour), entry.resetValue) << entry.key;
        if (entry.colour != EditorColour::Index) {
            EXPECT_EQ(entry.resetValue, entry.profileDefault) << entry.key;
        }
    }
}

} // namespace
} // namespace vorlane
