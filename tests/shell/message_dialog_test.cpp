#include "shell/message_dialog.h"
#include "shell/msg_out.h"

#include "../panes/scripted_prompts.h"

#include <QLabel>
#include <QPushButton>
#include <string>

namespace vorlane::ui {
namespace {

using MessageDialogTest = ScriptedPrompts;

struct Places {
    int ok, cancel, exit;
    bool operator==(const Places&) const = default;
};

// Shows a text modally in `mode`, records the buttons' places, presses `button` (null: closes the window).
MessageButton ShowAndPress(MessageDialog& dialog, MessageMode mode, const char* button, Places& places) {
    UserPrompts::ScriptAnswer([&](QDialog&) {
        places = {dialog.PlaceOf(Find<QPushButton>(dialog, "okButton")),
                  dialog.PlaceOf(Find<QPushButton>(dialog, "cancelButton")),
                  dialog.PlaceOf(Find<QPushButton>(dialog, "exitButton"))};
        button ? Find<QPushButton>(dialog, button).click() : dialog.reject();
        return dialog.result();
    });
    return dialog.ShowModal("Are you sure Save?", mode);
}

TEST_F(MessageDialogTest, ModesChooseTheButtonsAndTheirPlaces) {
    MessageDialog dialog;
    struct Case {
        MessageMode mode;
        const char* button; // null: the window is closed
        MessageButton result;
        Places places;
    };
    const Case cases[] = {{MessageMode::Ok, "okButton", MessageButton::Ok, {1, -1, -1}},
                          {MessageMode::OkCancel, "cancelButton", MessageButton::Cancel, {1, 2, -1}},
                          {MessageMode::NoButton, nullptr, MessageButton::Cancel, {-1, -1, -1}},
                          {MessageMode::AllButtons, "exitButton", MessageButton::Exit, {0, 1, 2}}};
    for (const Case& c : cases) {
        const int mode = static_cast<int>(c.mode);
        Places places{};
        EXPECT_EQ(ShowAndPress(dialog, c.mode, c.button, places), c.result) << mode;
        EXPECT_TRUE(places == c.places) << mode << ": " << places.ok << ' ' << places.cancel << ' ' << places.exit;
    }
    EXPECT_EQ(Find<QLabel>(dialog, "messageText").text(), "Are you sure Save?");
}

TEST_F(MessageDialogTest, ModelessMessagesKeepThePlacesAndEndOnAModalOneOrCloseMessage) {
    MessageDialog dialog;
    dialog.ShowModeless("All three", MessageMode::AllButtons);
    const int cancelX = Find<QPushButton>(dialog, "cancelButton").geometry().x();
    const int exitX = Find<QPushButton>(dialog, "exitButton").geometry().x();
    dialog.ShowModeless("OK only", MessageMode::Ok);
    EXPECT_EQ(Find<QPushButton>(dialog, "okButton").geometry().x(), cancelX);
    dialog.ShowModeless("OK and Cancel", MessageMode::OkCancel);
    EXPECT_EQ(Find<QPushButton>(dialog, "okButton").geometry().x(), cancelX);
    EXPECT_EQ(Find<QPushButton>(dialog, "cancelButton").geometry().x(), exitX);

    dialog.ShowModeless("Now erasing the flash. Please wait.", MessageMode::NoButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    bool noteWasOpen = true;
    UserPrompts::ScriptAnswer([&](QDialog& shown) {
        noteWasOpen = shown.isVisible();
        EXPECT_EQ(dialog.Text(), "Completed");
        Find<QPushButton>(shown, "okButton").click();
        return shown.result();
    });
    EXPECT_EQ(dialog.ShowModal("Completed", MessageMode::Ok), MessageButton::Ok);
    EXPECT_FALSE(noteWasOpen);
    EXPECT_FALSE(dialog.isVisible());

    dialog.ShowModeless("Reset your STB(s).", MessageMode::NoButton);
    dialog.CloseMessage(MessageButton::Cancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), MessageDialog::kCancel);
    dialog.CloseMessage(MessageButton::Ok); // nothing open: nothing changes
    EXPECT_EQ(dialog.result(), MessageDialog::kCancel);
}

// MsgOut: formatting, the cut at the buffer size and Latin-1 bytes, each in a box titled "Message".
TEST_F(MessageDialogTest, MsgOutFormatsIntoAMessageBoxTitledMessage) {
    const std::string thousand(1000, 'x');
    const auto shown = [](auto... arguments) {
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
        MsgOut(nullptr, arguments...);
        const auto asked = UserPrompts::TakeAsked();
        EXPECT_EQ(asked.at(0).title, "Message");
        return asked.at(0).text;
    };
    EXPECT_EQ(shown("Channel number is %s. [%d]", "not available", 42), "Channel number is not available. [42]");
    const QString cut = shown("%s%s", thousand.c_str(), "tail");
    EXPECT_EQ(cut, QString(255, QLatin1Char('x')));
    EXPECT_EQ(shown("%s", "T\xE9l\xE9"), QString::fromUtf8("T\u00e9l\u00e9"));
}

} // namespace
} // namespace vorlane::ui
