// The main frame's menus and the commands that are not file commands: tuner copy and merge, Print, the list tools,
// Editor Config and STB Config; Undo and Redo from the Edit menu and every key, with the step names, the restored panes
// and the modified flag at the opened and saved states.

#include "frame_test_fixture.h"

#include "database/table_layout.h"
#include "database/tuner_copy.h"
#include "importexport/database_files.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_menus.h"
#include "shell/apply_order_dialog.h"
#include "shell/duplicates_dialog.h"
#include "shell/edit_document.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <functional>
#include <tuple>
#include <utility>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

QStringList EntryTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu& TopMenu(CMainFrame& frame, int index) {
    return *frame.menuBar()->actions().at(index)->menu();
}

class FrameCommandsTest : public FrameTest {
protected:
    void OpenSample() { Open(WriteSampleChannelFile("sample.bin")); }
};

TEST_F(FrameCommandsTest, MenusCarryEveryCommand) {
    EXPECT_EQ(EntryTexts(TopMenu(*frame, 0)),
              QStringList({"New File", "Open", "Save", "Save as", "Recent Files", "-", "Export",
                           "Apply Order from Reference List...", "Compare with File...", "Restore Receiver Backup...",
                           "Print", "Exit"}));
    EXPECT_EQ(EntryTexts(TopMenu(*frame, 1)), QStringList({"Undo", "Redo"}));
    QMenu& tools = TopMenu(*frame, 2);
    EXPECT_EQ(EntryTexts(tools), QStringList({"COM Setting", "Connect Status", "-", "Editor Config", "STB Config"}));
    EXPECT_EQ(EntryTexts(*tools.actions().at(1)->menu()),
              QStringList({"Auto Connect", "Connect", "Disconnect", "Upload to STB", "Download to PC"}));
    EXPECT_EQ(EntryTexts(TopMenu(*frame, 3)),
              QStringList({"All channels", "Tuner 1 channels", "Tuner 2 channels", "FTA channels", "Scramble channels",
                           "-", "Copy T1 to T2", "Copy T2 to T1", "Merge T1 and T2", "-", "Find Duplicates..."}));
    EXPECT_EQ(EntryTexts(TopMenu(*frame, 4)), QStringList({"Information"}));
}

// Each tuner command asks first (Cancel changes nothing), then reports its count; run again it finds nothing left to
// copy or merge, and the database holds what the core function makes of the opened file. Each is one step under its own
// name: undo gives the bytes before it, redo those after. A save marks the saved state: undo sets the modified flag,
// redo back to it clears it.
TEST_F(FrameCommandsTest, TunerCommandsAskReportTheirCountAndFollowTheHistory) {
    OpenSample();
    const DatabaseSnapshot opened(database);
    const std::tuple<int, const char*, const char*, const char*, std::function<int(ChannelDatabase&)>> commands[] = {
        {kCmdCopyT1ToT2, "Channel Copy  T1 to T2", "Channel Copy : T1 -> T2\n\n[%1] channels copy Complete",
         "Copy T1 to T2", [](ChannelDatabase& db) { return CopyTunerChannels(db, 0, 1, false); }},
        {kCmdMergeTuners, "Channel Merge  T1 and T2", "Merge channel : T1 and T2\n\n[%1] channels Merge Complete",
         "Merge T1 and T2", [](ChannelDatabase& db) { return MergeTuners(db); }},
        {kCmdCopyT2ToT1, "Channel Copy  T2 to T1", "Channel Copy : T2 -> T1\n\n[%1] channels copy Complete",
         "Copy T2 to T1", [](ChannelDatabase& db) { return CopyTunerChannels(db, 1, 0, false); }}};
    for (const auto& [command, question, report, label, run] : commands) {
        AnswerMessage(ui::MessageDialog::kCancel);
        frame->OnCommand(command);
        EXPECT_EQ(messageTexts, QStringList({question}));
        EXPECT_TRUE(DatabaseSnapshot(database) == opened);
        messageTexts.clear();
        messageModes.clear();

        ChannelDatabase expected;
        ASSERT_TRUE(OpenDatabaseFile(expected, database.currentPath()).accepted);
        const int first = run(expected);
        EXPECT_GT(first, 0) << question;
        for (const int count : {first, 0}) {
            AnswerMessage(ui::MessageDialog::kOk);
            AnswerMessage(ui::MessageDialog::kOk);
            frame->OnCommand(command);
            EXPECT_EQ(messageTexts, QStringList({question, QString::fromLatin1(report).arg(count)})) << question;
            EXPECT_EQ(messageModes, std::vector<int>({2, 1}));
            messageTexts.clear();
            messageModes.clear();
        }
        EXPECT_TRUE(std::equal(database.channelRegion().begin(), database.channelRegion().end(),
                               expected.channelRegion().begin()))
            << question;
        EXPECT_EQ(frame->commandAction(kCmdUndo)->text(), QStringLiteral("Undo ") + label);
        const DatabaseSnapshot after(database);
        for (const auto& [step, state] : {std::pair{kCmdUndo, &opened}, {kCmdRedo, &after}, {kCmdUndo, &opened}}) {
            frame->OnCommand(step);
            EXPECT_TRUE(DatabaseSnapshot(database) == *state) << label << " " << step;
        }
    }
    frame->OnCommand(kCmdRedo);
    Save();
    EXPECT_EQ(frame->commandAction(kCmdUndo)->text(), "Undo Copy T2 to T1") << "saving adds no step";
    const DatabaseSnapshot saved(database);
    for (const auto& [step, modified] : {std::pair{kCmdUndo, true}, {kCmdRedo, false}}) {
        frame->OnCommand(step);
        EXPECT_EQ(database.modified(), modified);
    }
    EXPECT_TRUE(DatabaseSnapshot(database) == saved);
}

TEST_F(FrameCommandsTest, PrintShowsAPreviewOfTheListingPages) {
    OpenSample();
    int pages = 0;
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        auto& preview = *dialog.findChild<QPrintPreviewWidget*>();
        preview.updatePreview();
        pages = preview.pageCount();
        return int(QDialog::Rejected);
    });
    frame->OnCommand(kCmdPrint);
    EXPECT_GT(pages, 1);
    EXPECT_TRUE(messageTexts.isEmpty());
}

// Each list tool is one change of the database followed by the refill every whole-list edit takes, and one undo step
// under its own name.
TEST_F(FrameCommandsTest, ListToolsChangeTheDatabaseOnceAndRefillThePanes) {
    OpenSample();
    ChannelDatabase other;
    ASSERT_TRUE(OpenDatabaseFile(other, database.currentPath()).accepted);
    ASSERT_EQ(1, SaveDatabaseFile(other, FilePath("reference.bin").toStdString()));
    const auto tables = [this] {
        const DatabaseSnapshot now(database);
        return std::tuple{now.satellites, now.channels, now.settings};
    };
    const auto opened = tables();

    database.setModified(false);
    frame->view().HandleCommand(kCmdTvSortByName);
    EXPECT_TRUE(database.modified());
    EXPECT_EQ(frame->commandAction(kCmdUndo)->text(), "Undo Sort List");
    const auto sorted = tables();
    EXPECT_NE(sorted, opened);

    database.setModified(false);
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        auto& applyOrder = static_cast<ui::ApplyOrderDialog&>(dialog);
        applyOrder.pathField().setText(FilePath("reference.bin"));
        return int(QDialog::Accepted);
    });
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdApplyOrder);
    EXPECT_TRUE(database.modified());
    EXPECT_NE(std::string::npos, AskedTexts().join(' ').toStdString().find(" unmatched."));
    EXPECT_EQ(frame->commandAction(kCmdUndo)->text(), "Undo Apply Order");
    const auto ordered = tables();
    frame->OnCommand(kCmdUndo);
    EXPECT_EQ(tables(), sorted);
    frame->OnCommand(kCmdUndo);
    EXPECT_EQ(tables(), opened);
    frame->OnCommand(kCmdRedo);
    frame->OnCommand(kCmdRedo);
    EXPECT_EQ(tables(), ordered);

    // The reference order again: the lists are as they were before sorting.
    UserPrompts::scriptAnswer(FilePath("reference.bin"));
    frame->OnCommand(kCmdCompareWithFile);
    auto* compare = frame->findChild<QDialog*>(QStringLiteral("compareWindow"));
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->findChild<QTreeWidget*>()->topLevelItem(0)->text(0), "The lists are equal.");

    database.setModified(false);
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        auto& duplicates = static_cast<ui::DuplicatesDialog&>(dialog);
        if (duplicates.removeButton().isEnabled())
            duplicates.removeButton().click();
        EXPECT_EQ(duplicates.groups().topLevelItemCount(), 0);
        return int(QDialog::Rejected);
    });
    frame->OnCommand(kCmdFindDuplicates);
}

TEST_F(FrameCommandsTest, ConfigurationDialogs) {
    UserPrompts::scriptAnswer([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "STB Configuration");
        return int(QDialog::Rejected);
    });
    frame->OnCommand(kCmdStbConfig);
    EXPECT_FALSE(database.modified());
    UserPrompts::scriptAnswer([](QDialog& dialog) {
        ui::Find<QComboBox>(dialog, "tunerConnect").setCurrentIndex(2);
        ui::Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    frame->OnCommand(kCmdStbConfig);
    EXPECT_TRUE(database.modified());

    // Editor Config: "OK" gives the TV and radio panes the new column width at once.
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), frame.get());
        ui::Find<QLineEdit>(dialog, "columnWidthEdit").setText(QStringLiteral("350"));
        ui::Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    frame->OnCommand(kCmdEditorConfig);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 3u);
    for (ui::ChannelPane* pane : {&frame->view().tvPane(), &frame->view().radioPane()}) {
        const int width = pane->viewport()->width();
        EXPECT_EQ(pane->columnWidth(), width / (width / 350 + 1));
    }
    EXPECT_EQ(store.ReadProfileNumber("Display", "ColumnWidth", 0), 350);
}

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

// Every command is one action whose enabled and checked states follow the document's signals at once: each step below
// changes one kind of state through the real frame, and the states are right before any event is handled.
struct StateStep {
    const char* change;
    std::function<void(CMirevoView&)> run;
    std::vector<std::pair<int, bool>> enabled;
    std::vector<std::pair<int, bool>> checked;
};

void Choose(CMirevoView& view, ui::PaneListView& pane, int row) {
    pane.SelectRow(row);
    view.OnPaneChoice(pane);
}

using CommandStatesTest = FrameTest;

TEST_F(CommandStatesTest, ActionsFollowEveryStateChangeWithoutPolling) {
    for (const QTimer* timer : frame->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive() && timer->interval() == 250) << "no state is polled";
    const auto trigger = [this](int command) {
        return [this, command](CMirevoView&) { frame->commandAction(command)->trigger(); };
    };
    const std::vector<StateStep> steps{
        {"start",
         [](CMirevoView&) {},
         {{kCmdUndo, false},
          {kCmdRedo, false},
          {kCmdConnect, true},
          {kCmdDisconnect, false},
          {kCmdUploadToStb, false},
          {kCmdSatelliteProperty, false},
          {kCmdTransponderDeleteEmpty, false},
          {kCmdTvDelete, false}},
         {{kCmdAllChannels, true}, {kCmdSatelliteSortStandard, true}}},
        {"open",
         [this](CMirevoView&) { Open(WriteSampleChannelFile("sample.bin")); },
         {{kCmdSatelliteProperty, false},
          {kCmdTransponderNew, false},
          {kCmdTransponderDeleteEmpty, true},
          {kCmdTvNew, false},
          {kCmdUndo, false}},
         {}},
        {"satellite chosen",
         [](CMirevoView& view) {
             Choose(view, view.transponderPane(), 0); // from "All": its satellite is highlighted
             Choose(view, view.satellitePane(), view.satellitePane().selectedRow());
         },
         {{kCmdSatelliteProperty, true}, {kCmdTransponderNew, true}, {kCmdTransponderDelete, false}},
         {}},
        {"transponder chosen",
         [](CMirevoView& view) { Choose(view, view.transponderPane(), 0); },
         {{kCmdTransponderDelete, true}, {kCmdTransponderNewTv, true}, {kCmdTvNew, true}, {kCmdTvDelete, false}},
         {}},
        {"channel chosen",
         [](CMirevoView& view) { Choose(view, view.tvPane(), 0); },
         {{kCmdTvDelete, true}, {kCmdTvMoveTo, true}, {kCmdTvAddFavourite, true}, {kCmdRadioDelete, false}},
         {}},
        {"sorted by name",
         [this](CMirevoView& view) {
             frame->commandAction(kCmdTvOrderNames)->trigger();
             Choose(view, view.tvPane(), 0);
         },
         {{kCmdTvMoveTo, false}, {kCmdTvDelete, true}},
         {{kCmdTvOrderNames, true}, {kCmdTvOrderOriginal, false}}},
        {"longitude order",
         trigger(kCmdSatelliteSortLongitude),
         {},
         {{kCmdSatelliteSortLongitude, true}, {kCmdSatelliteSortStandard, false}}},
        {"frequency order", trigger(kCmdTransponderSortFrequency), {}, {{kCmdTransponderSortFrequency, true}}},
        {"display filter",
         [this](CMirevoView& view) {
             frame->commandAction(kCmdScrambledChannels)->trigger();
             EXPECT_EQ(view.displayFilter(), kCmdScrambledChannels);
             for (const ui::ChannelPane* pane : {&view.tvPane(), &view.radioPane()})
                 for (int row = 0; row < pane->rowCount(); ++row)
                     EXPECT_TRUE(view.database()
                                     .channelOfPk(pane->rowId(row))
                                     .serviceWord(TunerSideOfPk(pane->rowId(row)))
                                     .scrambled());
         },
         {},
         {{kCmdScrambledChannels, true}, {kCmdAllChannels, false}}},
        {"copied",
         [](CMirevoView& view) {
             Choose(view, view.tvPane(), 0);
             view.HandleCommand(kCmdTvCopy);
         },
         {{kCmdTvPaste, true}, {kCmdRadioPaste, true}},
         {}},
        {"clipboard cleared", [](CMirevoView&) { QGuiApplication::clipboard()->clear(); }, {{kCmdTvPaste, false}}, {}},
        {"edit", trigger(kCmdTvAddFavourite), {{kCmdUndo, true}, {kCmdRedo, false}}, {}},
        {"undo", trigger(kCmdUndo), {{kCmdUndo, false}, {kCmdRedo, true}}, {}},
        {"favourite group chosen",
         [](CMirevoView& view) {
             Choose(view, view.favoritePane(), 0);
             view.tvPane().SelectRow(0);
         },
         {{kCmdTvNew, false}, {kCmdTvDelete, true}, {kCmdTvProperty, true}},
         {}},
        {"port opened",
         [](CMirevoView& view) { view.document().NoteConnectionState(true, false); },
         {{kCmdConnect, false}, {kCmdDisconnect, true}, {kCmdUploadToStb, true}, {kCmdDownloadToPc, true}},
         {}},
        {"transfer running",
         [](CMirevoView& view) { view.document().NoteConnectionState(true, true); },
         {{kCmdUploadToStb, false}, {kCmdDownloadToPc, false}, {kCmdRestoreBackup, false}, {kCmdDisconnect, true}},
         {}},
    };
    for (const StateStep& step : steps) {
        step.run(frame->view());
        for (const auto& [command, on] : step.enabled)
            EXPECT_EQ(frame->commandAction(command)->isEnabled(), on) << step.change << ": " << command;
        for (const auto& [command, on] : step.checked)
            EXPECT_EQ(frame->commandAction(command)->isChecked(), on) << step.change << ": " << command;
    }
    // A greyed command is refused however it arrives.
    EXPECT_FALSE(frame->OnCommand(kCmdUploadToStb));
    EXPECT_FALSE(frame->OnCommand(kCmdDownloadToPc));
    EXPECT_FALSE(frame->OnCommand(12345));
    EXPECT_EQ(frame->commandAction(12345), nullptr);
    // Menu, toolbar and context menu show the one action of a number.
    EXPECT_TRUE(frame->toolBar().actions().contains(frame->commandAction(kCmdConnect)));
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().tvPane()), kCmdTvDelete),
              frame->commandAction(kCmdTvDelete));
    EXPECT_EQ(frame->view().BuildPaneMenu(frame->view().favoritePane()), nullptr);
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().satellitePane()), kCmdSatelliteProperty),
              frame->commandAction(kCmdSatelliteProperty));
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().transponderPane()), kCmdTransponderNewTv),
              frame->commandAction(kCmdTransponderNewTv));
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().tvPane()), 12345), nullptr);
}

} // namespace
} // namespace vorlane::testing
