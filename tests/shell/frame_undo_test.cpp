// Undo and Redo in the main frame: the Edit menu and its keys, the step names, the restored panes and
// selection, and the modified flag at the opened and saved states.

#include "frame_test_fixture.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "shell/edit_document.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

class FrameUndoTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        UserPrompts::scriptAnswer(WriteSampleChannelFile("sample.bin"));
        frame->OnCommand(kCmdOpen);
        UserPrompts::takeAsked();
        CMirevoView& view = frame->view();
        view.satellitePane().SelectRow(0); // "All"
        view.OnPaneChoice(view.satellitePane());
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    QAction& Action(int command) { return *frame->commandAction(command); }
    void Press(QKeyCombination key) { QTest::keyClick(&frame->view().tvPane(), key.key(), key.keyboardModifiers()); }
};

TEST_F(FrameUndoTest, EditMenuSitsAfterFileWithItsKeysAndToolbarButtonsAfterSave) {
    QMenu& edit = *frame->menuBar()->actions().at(1)->menu();
    EXPECT_EQ(frame->menuBar()->actions().at(1)->text(), "Edit(&E)");
    ASSERT_EQ(edit.actions().size(), 2);
    EXPECT_EQ(Action(kCmdUndo).text(), "Undo");
    EXPECT_FALSE(Action(kCmdUndo).isEnabled());
    EXPECT_FALSE(Action(kCmdRedo).isEnabled());
    EXPECT_EQ(Action(kCmdUndo).shortcuts(), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Z"))}));
    EXPECT_EQ(Action(kCmdRedo).shortcuts(), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                                 QKeySequence(QStringLiteral("Ctrl+Y"))}));
    const QList<QAction*> buttons = frame->toolBar().actions();
    const auto save = buttons.indexOf(&Action(kCmdSave));
    EXPECT_EQ(buttons.mid(save + 1, 2), QList<QAction*>({&Action(kCmdUndo), &Action(kCmdRedo)}));
    EXPECT_FALSE(Action(kCmdUndo).icon().isNull());
    EXPECT_FALSE(Action(kCmdRedo).icon().isNull());
}

TEST_F(FrameUndoTest, DeleteIsTakenBackAndDoneAgainFromTheMenuAndEveryKey) {
    CMirevoView& view = frame->view();
    ui::ChannelPane& tv = view.tvPane();
    const DatabaseSnapshot opened(database);
    const int rowsBefore = tv.rowCount();
    ASSERT_GT(rowsBefore, 20);
    tv.SelectRows({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    const std::vector<int> deleted = tv.selectedPks();
    view.HandleCommand(kCmdTvDelete);
    const DatabaseSnapshot afterDelete(database);
    ASSERT_EQ(tv.rowCount(), rowsBefore - 12);
    EXPECT_EQ(Action(kCmdUndo).text(), "Undo Delete 12 channels");

    struct Stroke {
        const char* how;
        std::function<void()> run;
        bool undo;
    };
    const Stroke strokes[] = {
        {"menu Undo", [&] { Action(kCmdUndo).trigger(); }, true},
        {"menu Redo", [&] { Action(kCmdRedo).trigger(); }, false},
        {"Ctrl+Z", [&] { Press(Qt::CTRL | Qt::Key_Z); }, true},
        {"Ctrl+Y", [&] { Press(Qt::CTRL | Qt::Key_Y); }, false},
        {"Ctrl+Z again", [&] { Press(Qt::CTRL | Qt::Key_Z); }, true},
        {"Ctrl+Shift+Z", [&] { Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); }, false},
    };
    for (const Stroke& stroke : strokes) {
        SCOPED_TRACE(stroke.how);
        stroke.run();
        if (stroke.undo) {
            EXPECT_TRUE(DatabaseSnapshot(database) == opened) << "back at the opened state, not modified";
            EXPECT_EQ(tv.rowCount(), rowsBefore);
            EXPECT_EQ(tv.selectedPks(), deleted);
            EXPECT_EQ(Action(kCmdRedo).text(), "Redo Delete 12 channels");
            EXPECT_FALSE(Action(kCmdUndo).isEnabled());
        } else {
            EXPECT_TRUE(DatabaseSnapshot(database) == afterDelete);
            EXPECT_EQ(tv.rowCount(), rowsBefore - 12);
            EXPECT_TRUE(database.modified());
            EXPECT_FALSE(Action(kCmdRedo).isEnabled());
        }
    }
    EXPECT_TRUE(UserPrompts::takeAsked().empty());
}

// Each frame command becomes one step under its own name; undo gives the bytes before it, redo those after.
TEST_F(FrameUndoTest, TunerCommandsAndSavesFollowTheHistory) {
    const struct {
        int command;
        const char* label;
    } commands[] = {
        {kCmdCopyT1ToT2, "Copy T1 to T2"},
        {kCmdCopyT2ToT1, "Copy T2 to T1"},
        {kCmdMergeTuners, "Merge T1 and T2"},
    };
    for (const auto& entry : commands) {
        SCOPED_TRACE(entry.label);
        const DatabaseSnapshot before(database);
        AnswerMessage(ui::MessageDialog::kOk);
        AnswerMessage(ui::MessageDialog::kOk);
        frame->OnCommand(entry.command);
        const DatabaseSnapshot after(database);
        EXPECT_EQ(Action(kCmdUndo).text(), QStringLiteral("Undo %1").arg(QLatin1String(entry.label)));
        frame->OnCommand(kCmdUndo);
        EXPECT_TRUE(DatabaseSnapshot(database) == before);
        frame->OnCommand(kCmdRedo);
        EXPECT_TRUE(DatabaseSnapshot(database) == after);
        frame->OnCommand(kCmdUndo); // the next command starts from the opened file again
    }

    // Saved after a copy: undoing sets the flag, redoing back to the saved state clears it.
    frame->OnCommand(kCmdRedo);
    AnswerMessage(ui::MessageDialog::kOk);
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdSave);
    EXPECT_FALSE(database.modified());
    frame->OnCommand(kCmdUndo);
    EXPECT_TRUE(database.modified());
    frame->OnCommand(kCmdRedo);
    EXPECT_FALSE(database.modified());
}

} // namespace
} // namespace vorlane::testing
