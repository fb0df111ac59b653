#include "panes/editor_config_dialog.h"

#include "panes/colour_field.h"
#include "platform/memory_settings_store.h"
#include "property_dialog_test_util.h"

#include <QPushButton>

namespace vorlane::ui {
namespace {

using namespace vorlane::testing;

void PressDefaultColour(QDialog& dialog) {
    Find<QPushButton>(dialog, "defaultColourButton").click();
}

std::uint32_t ColourOf(QDialog& dialog, const char* field) {
    return Find<ColourField>(dialog, field).Value();
}

class EditorConfigDialogTest : public ScriptedPrompts {
protected:
    MemorySettingsStore mStore;
    EditorSettings m_settings;
};

TEST_F(EditorConfigDialogTest, DefaultColourThenOkWritesTheResetIndexToTheProfile) {
    m_settings.Load(mStore);
    AnswerDialog("keepBackupCheck=off", true, [](QDialog& dialog) {
        PressDefaultColour(dialog);
        EXPECT_EQ(ColourOf(dialog, "channelIndexColour"), 0xFADCDCu);
        ExpectShown(dialog, "keepBackupCheck=on");
    });
    EXPECT_EQ(EditEditorConfiguration(nullptr, m_settings, mStore), 1);
    EXPECT_EQ(mStore.ReadProfileNumber("Color", "Index", 0), 0xFADCDC);
    EXPECT_EQ(mStore.ReadProfileNumber("Display", "ColumnWidth", 0), 200);
    EXPECT_EQ(mStore.ReadProfileNumber("Files", "KeepBackup", 1), 0);
    EXPECT_EQ(mStore.ValueCount(), 19u);
}

// A cancelled chooser keeps the field's colour; a chosen one changes it and OK stores it in the profile's order.
TEST_F(EditorConfigDialogTest, ColourChooserChangesTheFieldAndOkStoresIt) {
    AnswerDialog("", true, [](QDialog& dialog) {
        Find<ColourField>(dialog, "lockColour").click();
        EXPECT_EQ(ColourOf(dialog, "lockColour"), 0xFA6464u);
        Find<ColourField>(dialog, "lockTextColour").click();
    });
    UserPrompts::ScriptAnswer(QColor());
    UserPrompts::ScriptAnswer(QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(EditEditorConfiguration(nullptr, m_settings, mStore), 1);
    EXPECT_EQ(m_settings.Colour(EditorColour::LockText), 0x302010u);
    EXPECT_EQ(mStore.ReadProfileNumber("Color", "LockText", 0), 0x302010);
}

TEST_F(EditorConfigDialogTest, ColumnWidthOutsideItsRangeIsRefusedAndTheDialogStays) {
    AnswerDialog("columnWidthEdit=1000", true, [](QDialog& dialog) {
        auto& width = Find<QLineEdit>(dialog, "columnWidthEdit");
        for (const char* refused : {"99", "1001", ""}) {
            width.setText(QString::fromLatin1(refused));
            EXPECT_EQ(PressOk(dialog), 0) << refused;
            EXPECT_EQ(dialog.focusWidget(), &width);
        }
    });
    for (int i = 0; i < 3; ++i)
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
    EXPECT_EQ(EditEditorConfiguration(nullptr, m_settings, mStore), 1);
    const auto asked = UserPrompts::TakeAsked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 100 and 1000.");
    EXPECT_EQ(m_settings.ColumnWidth(), 1000);
}

TEST_F(EditorConfigDialogTest, CancelAfterDefaultColourKeepsTheColoursAndWritesNothing) {
    m_settings.SetColour(EditorColour::Favourite, 0x111111);
    m_settings.SetColumnWidth(150);
    AnswerDialog("", false, [](QDialog& dialog) {
        ExpectShown(dialog, "columnWidthEdit=150");
        EXPECT_EQ(ColourOf(dialog, "favoriteChannelColour"), 0x111111u);
        Set(dialog, "columnWidthEdit=700");
        PressDefaultColour(dialog);
        EXPECT_EQ(ColourOf(dialog, "favoriteChannelColour"), 0xFF46BCu);
        ExpectShown(dialog, "columnWidthEdit=700");
    });
    EXPECT_EQ(EditEditorConfiguration(nullptr, m_settings, mStore), 0);
    EXPECT_EQ(m_settings.Colour(EditorColour::Favourite), 0x111111u);
    EXPECT_EQ(m_settings.Colour(EditorColour::Index), 0xF0C8C8u);
    EXPECT_EQ(m_settings.ColumnWidth(), 150);
    EXPECT_EQ(mStore.ValueCount(), 0u);
}

} // namespace
} // namespace vorlane::ui
