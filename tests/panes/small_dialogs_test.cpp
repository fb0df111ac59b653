#include "panes/move_to_dialog.h"
#include "panes/rename_dialog.h"

#include "scripted_prompts.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace vorlane::ui {
namespace {

class RenameDialogTest : public ScriptedPrompts {
protected:
    std::array<std::uint8_t, ReceiverSettings::kSize> bytes{};
    ReceiverSettings settings{bytes};
};

TEST_F(RenameDialogTest, OkStoresTheNewNameZeroFilled) {
    settings.set_fav_name(3, "Sports channels!");
    UserPrompts::scriptAnswer([](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "fromEdit").text(), "Sports channels!");
        auto& to = Find<QLineEdit>(dialog, "toEdit");
        EXPECT_EQ(to.maxLength(), 16);
        to.setText(QString::fromUtf8("Caf\u00e9"));
        Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, 3), 1);
    EXPECT_EQ(settings.fav_name(3), "Caf\xE9");
    const std::size_t offset = settings_layout::kFavName + 3 * settings_layout::kFavNameLength;
    EXPECT_EQ(bytes[offset + 3], 0xE9);
    for (std::size_t i = 4; i < settings_layout::kFavNameLength; ++i)
        EXPECT_EQ(bytes[offset + i], 0) << i;
}

TEST_F(RenameDialogTest, CancelLeavesTheRecordAndBadGroupsAskNothing) {
    settings.set_fav_name(0, "News");
    const auto before = bytes;
    UserPrompts::scriptAnswer([](QDialog& dialog) {
        Find<QLineEdit>(dialog, "toEdit").setText("Other");
        Find<QPushButton>(dialog, "cancelButton").click();
        return dialog.result();
    });
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, 0), 0);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, 8), 0);
    EXPECT_EQ(RenameFavouriteGroup(nullptr, settings, -1), 0);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
    EXPECT_EQ(bytes, before);
}

using MoveToDialogTest = ScriptedPrompts;

TEST_F(MoveToDialogTest, StartsAtOneRefusesNumbersOutsideOneToTenThousandAndCancelKeepsTheNumber) {
    UserPrompts::scriptAnswer([](QDialog& dialog) {
        auto& number = Find<QLineEdit>(dialog, "channelNumberEdit");
        EXPECT_EQ(number.text(), "1");
        for (const char* refused : {"0", "10001"}) {
            number.setText(QString::fromLatin1(refused));
            Find<QPushButton>(dialog, "okButton").click();
            EXPECT_EQ(dialog.result(), 0) << refused;
        }
        number.setText("10000");
        Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    int channelNumber = 0;
    EXPECT_EQ(AskChannelMoveTarget(nullptr, channelNumber), 1);
    EXPECT_EQ(channelNumber, 10000);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "Please enter an integer between 1 and 10000.");

    UserPrompts::scriptAnswer([](QDialog& dialog) {
        Find<QLineEdit>(dialog, "channelNumberEdit").setText("7");
        Find<QPushButton>(dialog, "cancelButton").click();
        return dialog.result();
    });
    EXPECT_EQ(AskChannelMoveTarget(nullptr, channelNumber), 0); // Cancel leaves the number
    EXPECT_EQ(channelNumber, 10000);
}

} // namespace
} // namespace vorlane::ui
