// Undo and Redo in the main frame: from the Edit menu and every key, the step names, the restored panes with the
// step's rows selected, and the modified flag at the opened and saved states.

#include "frame_test_fixture.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QTest>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

class FrameUndoTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Open(WriteSampleChannelFile("sample.bin"));
        frame->view().satellitePane().SelectRow(0); // "All"
        frame->view().OnPaneChoice(frame->view().satellitePane());
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    QAction& Action(int command) { return *frame->commandAction(command); }
    void Press(QKeyCombination key) { QTest::keyClick(&frame->view().tvPane(), key.key(), key.keyboardModifiers()); }
};

TEST_F(FrameUndoTest, DeleteIsTakenBackAndDoneAgainFromTheMenuAndEveryKey) {
    ui::ChannelPane& tv = frame->view().tvPane();
    const DatabaseSnapshot opened(database);
    const int rows = tv.rowCount();
    EXPECT_FALSE(Action(kCmdUndo).isEnabled());
    tv.SelectRows({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    const std::vector<int> deleted = tv.selectedPks();
    frame->view().HandleCommand(kCmdTvDelete);
    const DatabaseSnapshot afterDelete(database);
    EXPECT_EQ(Action(kCmdUndo).text(), "Undo Delete 12 channels");

    const std::pair<const char*, std::function<void()>> strokes[] = {
        {"menu Undo", [&] { Action(kCmdUndo).trigger(); }},
        {"menu Redo", [&] { Action(kCmdRedo).trigger(); }},
        {"Ctrl+Z", [&] { Press(Qt::CTRL | Qt::Key_Z); }},
        {"Ctrl+Y", [&] { Press(Qt::CTRL | Qt::Key_Y); }},
        {"Ctrl+Z again", [&] { Press(Qt::CTRL | Qt::Key_Z); }},
        {"Ctrl+Shift+Z", [&] { Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); }},
    };
    bool undo = true;
    for (const auto& [how, run] : strokes) {
        SCOPED_TRACE(how);
        run();
        EXPECT_TRUE(DatabaseSnapshot(database) == (undo ? opened : afterDelete)) << "modified only after a redo";
        EXPECT_EQ(tv.rowCount(), undo ? rows : rows - 12);
        if (undo) {
            EXPECT_EQ(tv.selectedPks(), deleted);
        }
        EXPECT_EQ(Action(undo ? kCmdRedo : kCmdUndo).text(),
                  undo ? "Redo Delete 12 channels" : "Undo Delete 12 channels");
        EXPECT_FALSE(Action(undo ? kCmdUndo : kCmdRedo).isEnabled());
        undo = !undo;
    }
}

// Each tuner command becomes one step under its own name: undo gives the bytes before it, redo those after. A
// save marks the saved state: undo sets the modified flag, redo back to it clears it.
TEST_F(FrameUndoTest, TunerCommandsAndSavesFollowTheHistory) {
    const std::pair<int, QString> commands[] = {
        {kCmdCopyT1ToT2, "Copy T1 to T2"}, {kCmdCopyT2ToT1, "Copy T2 to T1"}, {kCmdMergeTuners, "Merge T1 and T2"}};
    for (const auto& [command, label] : commands) {
        const DatabaseSnapshot before(database);
        AnswerMessage(ui::MessageDialog::kOk);
        AnswerMessage(ui::MessageDialog::kOk);
        frame->OnCommand(command);
        const DatabaseSnapshot after(database);
        EXPECT_EQ(Action(kCmdUndo).text(), "Undo " + label);
        for (const auto& [step, expected] : {std::pair{kCmdUndo, &before}, {kCmdRedo, &after}, {kCmdUndo, &before}}) {
            frame->OnCommand(step);
            EXPECT_TRUE(DatabaseSnapshot(database) == *expected) << label.toStdString() << " " << step;
        }
    }
    frame->OnCommand(kCmdRedo);
    AnswerMessage(ui::MessageDialog::kOk);
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdSave);
    EXPECT_EQ(Action(kCmdUndo).text(), "Undo Merge T1 and T2") << "saving adds no step";
    const DatabaseSnapshot saved(database);
    for (const auto& [step, modified] : {std::pair{kCmdUndo, true}, {kCmdRedo, false}}) {
        frame->OnCommand(step);
        EXPECT_EQ(database.modified(), modified);
    }
    EXPECT_TRUE(DatabaseSnapshot(database) == saved);
}

} // namespace
} // namespace vorlane::testing
