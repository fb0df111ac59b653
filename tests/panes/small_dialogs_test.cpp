#include "panes/find_dialog.h"
#include "panes/move_to_dialog.h"
#include "panes/rename_dialog.h"

#include "property_dialog_test_util.h"

#include <QPushButton>
#include <array>

namespace vorlane::ui {
namespace {

using testing::AnswerDialog;
using testing::ExpectShown;

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
    EXPECT_EQ(RenameFavouriteGroup(nullptr, m_settings, 0), 0);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, m_settings, 8), 0);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, m_settings, -1), 0);
    EXPECT_EQ(UserPrompts::TakeAsked().size(), 1u);
    EXPECT_EQ(m_bytes, before);

    m_settings.set_fav_name(3, "Sports channels!");
    AnswerDialog("toEdit=Caf\xE9", true, [](QDialog& dialog) {
        ExpectShown(dialog, "fromEdit=Sports channels!");
        EXPECT_EQ(Find<QLineEdit>(dialog, "toEdit").maxLength(), 16);
    });
    EXPECT_EQ(RenameFavouriteGroup(nullptr, m_settings, 3), 1);
    EXPECT_EQ(m_settings.fav_name(3), "Caf\xE9");
    const std::size_t offset = settings_layout::kFavName + 3 * settings_layout::kFavNameLength;
    EXPECT_EQ(m_bytes[offset + 3], 0xE9);
    for (std::size_t i = 4; i < settings_layout::kFavNameLength; ++i)
        EXPECT_EQ(m_bytes[offset + i], 0) << i;
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
    EXPECT_EQ(AskChannelMoveTarget(nullptr, channelNumber), 1);
    EXPECT_EQ(channelNumber, 10000);
    const auto asked = UserPrompts::TakeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 1 and 10000.");

    AnswerDialog("channelNumberEdit=7", false);
    EXPECT_EQ(AskChannelMoveTarget(nullptr, channelNumber), 0); // Cancel leaves the number
    EXPECT_EQ(channelNumber, 10000);
}

using FindDialogTest = ScriptedPrompts;

// Opens the dialog over `state`, types `text` and presses "Find Next" or "Cancel"; returns what the edit showed
// when the dialog opened.
QString TypeAndPress(FindState& state, const QString& text, const char* button, bool wholeWord = false) {
    QString shown;
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        shown = testing::ValueOf(dialog, "findTextEdit");
        Find<QLineEdit>(dialog, "findTextEdit").setText(text);
        Find<QCheckBox>(dialog, "wholeWordCheck").setChecked(wholeWord);
        Find<QPushButton>(dialog, button).click();
        return dialog.result();
    });
    AskFind(nullptr, state);
    return shown;
}

TEST_F(FindDialogTest, EachPaneKeepsItsOwnLastText) {
    FindState satellitePane;
    FindState tvPane;
    EXPECT_EQ(TypeAndPress(satellitePane, "Astra", "findNextButton", true), "");
    EXPECT_EQ(satellitePane.findText, "Astra");
    EXPECT_TRUE(satellitePane.wholeWord);

    EXPECT_EQ(TypeAndPress(tvPane, "BBC", "findNextButton"), "");
    EXPECT_EQ(TypeAndPress(satellitePane, "Hot", "findNextButton"), "Astra");
    EXPECT_EQ(TypeAndPress(tvPane, "BBC", "findNextButton"), "BBC");
    EXPECT_EQ(satellitePane.findText, "Hot");
    EXPECT_EQ(tvPane.findText, "BBC");

    // Cancel keeps the previous search.
    EXPECT_EQ(TypeAndPress(satellitePane, "XYZ", "cancelButton", true), "Hot");
    EXPECT_EQ(satellitePane.findText, "Hot");
    EXPECT_FALSE(satellitePane.wholeWord);
}

TEST_F(FindDialogTest, OptionsAndLatin1TextRoundTrip) {
    FindState state;
    state.findText = "T\xE9l\xE9";
    state.matchCase = true;
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        ExpectShown(dialog, "findTextEdit=T\xE9l\xE9|matchCaseCheck=on|wholeWordCheck=off");
        Find<QPushButton>(dialog, "findNextButton").click();
        return dialog.result();
    });
    EXPECT_EQ(AskFind(nullptr, state), 1);
    EXPECT_EQ(state.findText, "T\xE9l\xE9");
    EXPECT_TRUE(state.matchCase);
}

} // namespace
} // namespace vorlane::ui
