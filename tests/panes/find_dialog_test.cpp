#include "panes/find_dialog.h"

#include "scripted_prompts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace vorlane::ui {
namespace {

using FindDialogTest = ScriptedPrompts;

// Opens the dialog over `state`, types `text` and presses "Find Next" or "Cancel"; returns what the edit showed
// when the dialog opened.
QString TypeAndPress(FindState& state, const QString& text, const char* button, bool wholeWord = false) {
    QString shown;
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        auto& edit = Find<QLineEdit>(dialog, "findTextEdit");
        shown = edit.text();
        edit.setText(text);
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
    EXPECT_EQ(satellitePane.find_text, "Astra");
    EXPECT_TRUE(satellitePane.whole_word);

    EXPECT_EQ(TypeAndPress(tvPane, "BBC", "findNextButton"), "");
    EXPECT_EQ(TypeAndPress(satellitePane, "Hot", "findNextButton"), "Astra");
    EXPECT_EQ(TypeAndPress(tvPane, "BBC", "findNextButton"), "BBC");
    EXPECT_EQ(satellitePane.find_text, "Hot");
    EXPECT_EQ(tvPane.find_text, "BBC");

    // Cancel keeps the previous search.
    EXPECT_EQ(TypeAndPress(satellitePane, "XYZ", "cancelButton", true), "Hot");
    EXPECT_EQ(satellitePane.find_text, "Hot");
    EXPECT_FALSE(satellitePane.whole_word);
}

TEST_F(FindDialogTest, OptionsAndLatin1TextRoundTrip) {
    FindState state;
    state.find_text = "T\xE9l\xE9";
    state.match_case = true;
    UserPrompts::scriptAnswer([](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "findTextEdit").text(), QString::fromUtf8("T\u00e9l\u00e9"));
        EXPECT_TRUE(Find<QCheckBox>(dialog, "matchCaseCheck").isChecked());
        EXPECT_FALSE(Find<QCheckBox>(dialog, "wholeWordCheck").isChecked());
        Find<QPushButton>(dialog, "findNextButton").click();
        return dialog.result();
    });
    EXPECT_EQ(AskFind(nullptr, state), 1);
    EXPECT_EQ(state.find_text, "T\xE9l\xE9");
    EXPECT_TRUE(state.match_case);
}

} // namespace
} // namespace vorlane::ui
