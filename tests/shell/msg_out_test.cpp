#include "shell/msg_out.h"

#include "../panes/scripted_prompts.h"

#include <string>

namespace vorlane::ui {
namespace {

using MsgOutTest = ScriptedPrompts;

TEST_F(MsgOutTest, FormatsIntoAMessageBoxTitledMessage) {
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    MsgOut(nullptr, "Channel number is %s. [%d]", "not available", 42);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, PromptKind::Message);
    EXPECT_EQ(asked[0].title, "Message");
    EXPECT_EQ(asked[0].text, "Channel number is not available. [42]");
}

TEST_F(MsgOutTest, ALongResultIsCutAtTheBufferSize) {
    const std::string thousand(1000, 'x');
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    MsgOut(nullptr, "%s%s", thousand.c_str(), "tail");
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text.size(), static_cast<qsizetype>(kMsgOutBufferSize - 1));
    EXPECT_EQ(asked[0].text, QString(255, QLatin1Char('x')));
}

TEST_F(MsgOutTest, TextsKeepTheirLatin1Bytes) {
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    MsgOut(nullptr, "%s", "T\xE9l\xE9");
    EXPECT_EQ(UserPrompts::takeAsked()[0].text, QString::fromUtf8("T\u00e9l\u00e9"));
}

} // namespace
} // namespace vorlane::ui
