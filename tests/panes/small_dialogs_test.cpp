#include "panes/move_to_dialog.h"
#include "panes/rename_dialog.h"

#include "property_dialog_test_util.h"

#include <array>

namespace vorlane::ui {
namespace {

using testing::answerDialog;
using testing::expectShown;

class RenameDialogTest : public ScriptedPrompts {
protected:
    std::array<std::uint8_t, ReceiverSettings::kSize> bytes{};
    ReceiverSettings settings{bytes};
};

// OK stores the new name zero-filled; Cancel and groups that do not exist leave the record.
TEST_F(RenameDialogTest, OkStoresTheNewNameZeroFilledAndCancelOrBadGroupsKeepIt) {
    settings.set_fav_name(0, "News");
    const auto before = bytes;
    answerDialog("toEdit=Other", false);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, 0), 0);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, 8), 0);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, -1), 0);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
    EXPECT_EQ(bytes, before);

    settings.set_fav_name(3, "Sports channels!");
    answerDialog("toEdit=Caf\xE9", true, [](QDialog& dialog) {
        expectShown(dialog, "fromEdit=Sports channels!");
        EXPECT_EQ(Find<QLineEdit>(dialog, "toEdit").maxLength(), 16);
    });
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, 3), 1);
    EXPECT_EQ(settings.fav_name(3), "Caf\xE9");
    const std::size_t offset = settings_layout::kFavName + 3 * settings_layout::kFavNameLength;
    EXPECT_EQ(bytes[offset + 3], 0xE9);
    for (std::size_t i = 4; i < settings_layout::kFavNameLength; ++i)
        EXPECT_EQ(bytes[offset + i], 0) << i;
}

using MoveToDialogTest = ScriptedPrompts;

TEST_F(MoveToDialogTest, StartsAtOneRefusesNumbersOutsideOneToTenThousandAndCancelKeepsTheNumber) {
    answerDialog("channelNumberEdit=10000", true, [](QDialog& dialog) {
        expectShown(dialog, "channelNumberEdit=1");
        for (const char* refused : {"0", "10001"}) {
            Find<QLineEdit>(dialog, "channelNumberEdit").setText(QString::fromLatin1(refused));
            EXPECT_EQ(testing::pressOk(dialog), 0) << refused;
        }
    });
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    int channelNumber = 0;
    EXPECT_EQ(AskChannelMoveTarget(nullptr, channelNumber), 1);
    EXPECT_EQ(channelNumber, 10000);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 1 and 10000.");

    answerDialog("channelNumberEdit=7", false);
    EXPECT_EQ(AskChannelMoveTarget(nullptr, channelNumber), 0); // Cancel leaves the number
    EXPECT_EQ(channelNumber, 10000);
}

} // namespace
} // namespace vorlane::ui
