// The editor configuration, rename, move-to and find dialogs, driven through their named controls.
#include "panes/colour_field.h"
#include "panes/editor_config_dialog.h"
#include "panes/find_dialog.h"
#include "panes/move_to_dialog.h"
#include "panes/rename_dialog.h"
#include "platform/memory_settings_store.h"
#include "property_dialog_test_util.h"

#include <QPushButton>
#include <array>

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
    MemorySettingsStore m_store;
    EditorSettings m_settings;
};

// "Default Colour" resets the colours in the dialog only: Cancel keeps the settings and writes nothing, OK writes
// the reset index colour to the profile.
TEST_F(EditorConfigDialogTest, DefaultColourThenCancelWritesNothingAndThenOkWritesTheResetColours) {
    m_settings.SetColour(EditorColour::Favourite, 0x111111);
    m_settings.SetColumnWidth(150);
    AnswerDialog("", false, [](QDialog& dialog) {
        ExpectShown(dialog, "columnWidthEdit=150|keepBackupCheck=on");
        EXPECT_EQ(ColourOf(dialog, "favoriteChannelColour"), 0x111111u);
        Set(dialog, "columnWidthEdit=700");
        PressDefaultColour(dialog);
        EXPECT_EQ(ColourOf(dialog, "favoriteChannelColour"), 0xFF46BCu);
        EXPECT_EQ(ColourOf(dialog, "channelIndexColour"), 0xFADCDCu);
        ExpectShown(dialog, "columnWidthEdit=700");
    });
    EXPECT_FALSE(EditEditorConfiguration(nullptr, m_settings, m_store));
    EXPECT_EQ(m_settings.Colour(EditorColour::Favourite), 0x111111u);
    EXPECT_EQ(m_settings.Colour(EditorColour::Index), 0xF0C8C8u);
    EXPECT_EQ(m_settings.ColumnWidth(), 150);
    EXPECT_EQ(m_store.ValueCount(), 0u);

    AnswerDialog("keepBackupCheck=off", true, PressDefaultColour);
    EXPECT_TRUE(EditEditorConfiguration(nullptr, m_settings, m_store));
    EXPECT_EQ(m_store.ReadProfileNumber("Color", "Index", 0), 0xFADCDC);
    EXPECT_EQ(m_store.ReadProfileNumber("Files", "KeepBackup", 1), 0);
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
    EXPECT_TRUE(EditEditorConfiguration(nullptr, m_settings, m_store));
    EXPECT_EQ(m_settings.Colour(EditorColour::LockText), 0x302010u);
    EXPECT_EQ(m_store.ReadProfileNumber("Color", "LockText", 0), 0x302010);
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
    EXPECT_TRUE(EditEditorConfiguration(nullptr, m_settings, m_store));
    const auto asked = UserPrompts::TakeAsked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 100 and 1000.");
    EXPECT_EQ(m_settings.ColumnWidth(), 1000);
}

class RenameDialogTest : public ScriptedPrompts {
protected:
    std::array<std::uint8_t, ReceiverSettings::kSize> m_bytes{};
    ReceiverSettings m_settings{m_bytes};
};

// OK stores the new name zero-filled; Cancel and groups that do not exist leave the record.
TEST_F(RenameDialogTest, OkStoresTheNewNameZeroFilledAndCancelOrBadGroupsKeepIt) {
    m_settings.set_fav_name(0, "News");
    const auto before = m_bytes;
    AnswerDialog("toEdit=Other", false);
    EXPECT_FALSE(RenameFavouriteGroup(nullptr, m_settings, 0));
    EXPECT_FALSE(RenameFavouriteGroup(nullptr, m_settings, 8));
    EXPECT_FALSE(RenameFavouriteGroup(nullptr, m_settings, -1));
    EXPECT_EQ(UserPrompts::TakeAsked().size(), 1u);
    EXPECT_EQ(m_bytes, before);

    m_settings.set_fav_name(3, "Sports channels!");
    AnswerDialog("toEdit=Caf\xE9", true, [](QDialog& dialog) {
        ExpectShown(dialog, "fromEdit=Sports channels!");
        EXPECT_EQ(Find<QLineEdit>(dialog, "toEdit").maxLength(), 16);
    });
    EXPECT_TRUE(RenameFavouriteGroup(nullptr, m_settings, 3));
    EXPECT_EQ(m_settings.fav_name(3), "Caf\xE9"); // zero-filled by the record itself
}

using MoveToDialogTest = ScriptedPrompts;

TEST_F(MoveToDialogTest, StartsAtOneRefusesNumbersOutsideOneToTenThousandAndCancelKeepsTheNumber) {
    AnswerDialog("channelNumberEdit=10000", true, [](QDialog& dialog) {
        ExpectShown(dialog, "channelNumberEdit=1");
        for (const char* refused : {"0", "10001"}) {
            Find<QLineEdit>(dialog, "channelNumberEdit").setText(QString::fromLatin1(refused));
            EXPECT_EQ(testing::PressOk(dialog), 0) << refused;
        }
    });
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    int channelNumber = 0;
    EXPECT_TRUE(AskChannelMoveTarget(nullptr, channelNumber));
    EXPECT_EQ(channelNumber, 10000);
    const auto asked = UserPrompts::TakeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 1 and 10000.");

    AnswerDialog("channelNumberEdit=7", false);
    EXPECT_FALSE(AskChannelMoveTarget(nullptr, channelNumber)); // Cancel leaves the number
    EXPECT_EQ(channelNumber, 10000);
}

using FindDialogTest = ScriptedPrompts;

// Opens the dialog over `state`, types `text` and presses "Find Next" or "Cancel"; returns what the edit showed when
// the dialog opened.
QString TypeAndPress(FindState& state, const QString& text, const char* button, bool wholeWord = false) {
    QString shown;
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        shown = testing::ValueOf(dialog, "findTextEdit");
        Find<QLineEdit>(dialog, "findTextEdit").setText(text);
        Find<QCheckBox>(dialog, "wholeWordCheck").setChecked(wholeWord);
        Find<QPushButton>(dialog, button).click();
        return dialog.result();
    });
    EXPECT_EQ(AskFind(nullptr, state), button == std::string("findNextButton"));
    return shown;
}

// Each pane keeps its own last text and options; Latin-1 texts and the options round trip; Cancel keeps the previous
// search.
TEST_F(FindDialogTest, EachPaneKeepsItsOwnLastTextAndOptions) {
    FindState satellitePane;
    satellitePane.findText = "T\xE9l\xE9";
    satellitePane.matchCase = true;
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        ExpectShown(dialog, "findTextEdit=T\xE9l\xE9|matchCaseCheck=on|wholeWordCheck=off");
        Find<QCheckBox>(dialog, "wholeWordCheck").setChecked(true);
        Find<QPushButton>(dialog, "findNextButton").click();
        return dialog.result();
    });
    EXPECT_TRUE(AskFind(nullptr, satellitePane));
    EXPECT_EQ(satellitePane.findText, "T\xE9l\xE9");
    EXPECT_TRUE(satellitePane.matchCase);
    EXPECT_TRUE(satellitePane.wholeWord);

    FindState tvPane;
    EXPECT_EQ(TypeAndPress(tvPane, "BBC", "findNextButton"), "");
    EXPECT_EQ(TypeAndPress(satellitePane, "Hot", "findNextButton"), QString::fromLatin1("T\xE9l\xE9"));
    EXPECT_EQ(TypeAndPress(tvPane, "BBC", "findNextButton"), "BBC");
    EXPECT_EQ(satellitePane.findText, "Hot");
    EXPECT_EQ(tvPane.findText, "BBC");
    EXPECT_FALSE(satellitePane.wholeWord);

    EXPECT_EQ(TypeAndPress(satellitePane, "XYZ", "cancelButton", true), "Hot");
    EXPECT_EQ(satellitePane.findText, "Hot");
    EXPECT_FALSE(satellitePane.wholeWord);
}

} // namespace
} // namespace vorlane::ui
