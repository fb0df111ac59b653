#include "panes/editor_config_dialog.h"

#include "panes/colour_field.h"
#include "platform/memory_settings_store.h"
#include "property_dialog_test_util.h"

#include <QPushButton>

namespace vorlane::ui {
namespace {

using namespace vorlane::testing;

void pressDefaultColour(QDialog& dialog) {
    Find<QPushButton>(dialog, "defaultColourButton").click();
}

std::uint32_t colourOf(QDialog& dialog, const char* field) {
    return Find<ColourField>(dialog, field).value();
}

class EditorConfigDialogTest : public ScriptedPrompts {
protected:
    MemorySettingsStore store;
    EditorSettings settings;
};

TEST_F(EditorConfigDialogTest, DefaultColourThenOkWritesTheResetIndexToTheProfile) {
    settings.Load(store);
    answerDialog("keepBackupCheck=off", true, [](QDialog& dialog) {
        pressDefaultColour(dialog);
        EXPECT_EQ(colourOf(dialog, "channelIndexColour"), 0xFADCDCu);
        expectShown(dialog, "keepBackupCheck=on");
    });
    EXPECT_EQ(EditEditorConfiguration(nullptr, settings, store), 1);
    EXPECT_EQ(store.ReadProfileNumber("Color", "Index", 0), 0xFADCDC);
    EXPECT_EQ(store.ReadProfileNumber("Display", "ColumnWidth", 0), 200);
    EXPECT_EQ(store.ReadProfileNumber("Files", "KeepBackup", 1), 0);
    EXPECT_EQ(store.ValueCount(), 19u);
}

// A cancelled chooser keeps the field's colour; a chosen one changes it and OK stores it in the profile's order.
TEST_F(EditorConfigDialogTest, ColourChooserChangesTheFieldAndOkStoresIt) {
    answerDialog("", true, [](QDialog& dialog) {
        Find<ColourField>(dialog, "lockColour").click();
        EXPECT_EQ(colourOf(dialog, "lockColour"), 0xFA6464u);
        Find<ColourField>(dialog, "lockTextColour").click();
    });
    UserPrompts::scriptAnswer(QColor());
    UserPrompts::scriptAnswer(QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(EditEditorConfiguration(nullptr, settings, store), 1);
    EXPECT_EQ(settings.colour(EditorColour::LockText), 0x302010u);
    EXPECT_EQ(store.ReadProfileNumber("Color", "LockText", 0), 0x302010);
}

TEST_F(EditorConfigDialogTest, ColumnWidthOutsideItsRangeIsRefusedAndTheDialogStays) {
    answerDialog("columnWidthEdit=1000", true, [](QDialog& dialog) {
        auto& width = Find<QLineEdit>(dialog, "columnWidthEdit");
        for (const char* refused : {"99", "1001", ""}) {
            width.setText(QString::fromLatin1(refused));
            EXPECT_EQ(pressOk(dialog), 0) << refused;
            EXPECT_EQ(dialog.focusWidget(), &width);
        }
    });
    for (int i = 0; i < 3; ++i)
        UserPrompts::scriptAnswer(QMessageBox::Ok);
    EXPECT_EQ(EditEditorConfiguration(nullptr, settings, store), 1);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 100 and 1000.");
    EXPECT_EQ(settings.column_width(), 1000);
}

TEST_F(EditorConfigDialogTest, CancelAfterDefaultColourKeepsTheColoursAndWritesNothing) {
    settings.set_colour(EditorColour::Favorite, 0x111111);
    settings.set_column_width(150);
    answerDialog("", false, [](QDialog& dialog) {
        expectShown(dialog, "columnWidthEdit=150");
        EXPECT_EQ(colourOf(dialog, "favoriteChannelColour"), 0x111111u);
        set(dialog, "columnWidthEdit=700");
        pressDefaultColour(dialog);
        EXPECT_EQ(colourOf(dialog, "favoriteChannelColour"), 0xFF46BCu);
        expectShown(dialog, "columnWidthEdit=700");
    });
    EXPECT_EQ(EditEditorConfiguration(nullptr, settings, store), 0);
    EXPECT_EQ(settings.colour(EditorColour::Favorite), 0x111111u);
    EXPECT_EQ(settings.colour(EditorColour::Index), 0xF0C8C8u);
    EXPECT_EQ(settings.column_width(), 150);
    EXPECT_EQ(store.ValueCount(), 0u);
}

} // namespace
} // namespace vorlane::ui
