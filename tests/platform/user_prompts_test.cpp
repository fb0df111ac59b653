#include "platform/widgets/range_check.h"
#include "platform/widgets/user_prompts.h"

#include <QDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using namespace vorlane::ui;

class UserPromptsTest : public ::testing::Test {
protected:
    void TearDown() override { UserPrompts::Reset(); }
};

TEST_F(UserPromptsTest, ScriptedAnswersAreTakenInOrderAndRecordWhatWasAsked) {
    UserPrompts::ScriptAnswer(QMessageBox::Cancel);
    UserPrompts::ScriptAnswer(QString("/tmp/chosen.bin"));
    UserPrompts::ScriptAnswer(QColor(0xFA, 0xDC, 0xDC));
    UserPrompts::ScriptAnswer(UserPrompts::DialogScript([](QDialog& d) {
        d.findChild<QLineEdit*>("name")->setText("News");
        return static_cast<int>(QDialog::Accepted);
    }));

    EXPECT_EQ(QMessageBox::Cancel,
              UserPrompts::Message(nullptr, QMessageBox::Question, "Exit", "Do you want to save the changes ?",
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
    EXPECT_EQ("/tmp/chosen.bin", UserPrompts::OpenFileName(nullptr, "Open", "/tmp", "Channel files (*.bin)"));
    EXPECT_EQ(QColor(0xFA, 0xDC, 0xDC), UserPrompts::Colour(nullptr, Qt::white, "Colour"));
    // A dialog script acts on the open dialog without a modal loop.
    QDialog dialog;
    dialog.setWindowTitle("Rename");
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName("name");
    EXPECT_EQ(QDialog::Accepted, UserPrompts::Exec(dialog));
    EXPECT_EQ("News", edit->text());

    std::string asked; // kind, title: text or filter, start folder
    for (const AskedPrompt& prompt : UserPrompts::TakeAsked())
        asked +=
            QString("%1 %2: %3 %4\n").arg(int(prompt.kind)).arg(prompt.title, prompt.text, prompt.start).toStdString();
    EXPECT_EQ(
        "0 Exit: Do you want to save the changes ? \n1 Open: Channel files (*.bin) /tmp\n3 Colour:  \n4 Rename:  \n",
        asked);
    EXPECT_FALSE(UserPrompts::Scripted());
}

TEST_F(UserPromptsTest, AnUnexpectedPromptOrAnAnswerOfTheWrongKindFailsLoudlyInsteadOfBlocking) {
    UserPrompts::StartRecording();
    EXPECT_DEATH(UserPrompts::Message(nullptr, QMessageBox::Information, "Message", "Complete to write file."),
                 "no scripted answer");
    UserPrompts::ScriptAnswer(QString("/tmp/x"));
    EXPECT_DEATH(UserPrompts::Message(nullptr, QMessageBox::Information, "Message", "text"), "does not fit");
}

TEST_F(UserPromptsTest, RangeCheckRefusesOutOfRangeAndTextNamingTheRangeAndKeepsTheField) {
    QDialog dialog;
    dialog.setWindowTitle("Editor Configuration");
    QLineEdit field(&dialog);
    std::int64_t value = -1;
    field.setText(" 250 ");
    EXPECT_TRUE(ReadFieldInRange(field, 100, 1000, value));
    EXPECT_EQ(250, value);
    for (const char* bad : {"99", "1001", "abc", ""}) {
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
        field.setText(bad);
        EXPECT_FALSE(ReadFieldInRange(field, 100, 1000, value)) << bad;
        EXPECT_EQ(250, value);
        EXPECT_EQ(bad, field.text());
        const auto asked = UserPrompts::TakeAsked();
        ASSERT_EQ(1u, asked.size());
        EXPECT_EQ("Editor Configuration: Please enter an integer between 100 and 1000.",
                  asked[0].title + ": " + asked[0].text);
    }
}

} // namespace
} // namespace vorlane::testing
