#include "shell/msg_out.h"

#include "../panes/scripted_prompts.h"

#include <string>

namespace vorlane::ui {
namespace {

using MsgOutTest = ScriptedPrompts;

// Formatting, the cut at the buffer size and Latin-1 bytes, each in a box titled "Message".
TEST_F(MsgOutTest, FormatsIntoAMessageBoxTitledMessage) {
    const std::string thousand(1000, 'x');
    const auto shown = [](auto... arguments) {
        UserPrompts::scriptAnswer(QMessageBox::Ok);
        MsgOut(nullptr, arguments...);
        const auto asked = UserPrompts::takeAsked();
        EXPECT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked.at(0).kind, PromptKind::Message);
        EXPECT_EQ(asked.at(0).title, "Message");
        return asked.at(0).text;
    };
    EXPECT_EQ(shown("Channel number is %s. [%d]", "not available", 42), "Channel number is not available. [42]");
    const QString cut = shown("%s%s", thousand.c_str(), "tail");
    EXPECT_EQ(cut.size(), static_cast<qsizetype>(kMsgOutBufferSize - 1));
    EXPECT_EQ(cut, QString(255, QLatin1Char('x')));
    EXPECT_EQ(shown("%s", "T\xE9l\xE9"), QString::fromUtf8("T\u00e9l\u00e9"));
}

} // namespace
} // namespace vorlane::ui
