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
    EXPECT_EQ(EntryTexts(TopMenu(*m_frame, 0)),
              QStringList({"New File", "Open", "Save", "Save as", "Recent Files", "-", "Export",
                           "Apply Order from Reference List...", "Compare with File...", "Restore Receiver Backup...",
                           "Print", "Exit"}));
    EXPECT_EQ(EntryTexts(TopMenu(*m_frame, 1)), QStringList({"Undo", "Redo"}));
    QMenu& tools = TopMenu(*m_frame, 2);
    EXPECT_EQ(EntryTexts(tools), QStringList({"COM Setting", "Connect Status", "-", "Editor Config", "STB Config"}));
    EXPECT_EQ(EntryTexts(*tools.actions().at(1)->menu()),
              QStringList({"Auto Connect", "Connect", "Disconnect", "Upload to STB", "Download to PC"}));
    EXPECT_EQ(EntryTexts(TopMenu(*m_frame, 3)),
              QStringList({"All channels", "Tuner 1 channels", "Tuner 2 channels", "FTA channels", "Scramble channels",
                           "-", "Copy T1 to T2", "Copy T2 to T1", "Merge T1 and T2", "-", "Find Duplicates..."}));
    EXPECT_EQ(EntryTexts(TopMenu(*m_frame, 4)), QStringList({"Information"}));
}

// Each tuner command asks first (Cancel changes nothing), then reports its count; run again it finds nothing left to
// copy or merge, and the database holds what the core function makes of the opened file. Each is one step under its own
// name: undo gives the bytes before it, redo those after. A save marks the saved state: undo sets the modified flag,
// redo back to it clears it.
TEST_F(FrameCommandsTest, TunerCommandsAskReportTheirCountAndFollowTheHistory) {
    OpenSample();
    const DatabaseSnapshot opened(m_database);
    const std::tuple<int, const char*, const char*, const char*, std::function<int(ChannelDatabase&)>> commands[] = {
        {kCmdCopyT1ToT2, "Channel Copy  T1 to T2", "Channel Copy : T1 -> T2\n\n[%1] channels copy Complete",
         "Copy T1 to T2", [](auto& db) { return CopyTunerChannels(db, TunerSide::First, TunerSide::Second, false); }},
        {kCmdMergeTuners, "Channel Merge  T1 and T2", "Merge channel : T1 and T2\n\n[%1] channels Merge Complete",
         "Merge T1 and T2", [](ChannelDatabase& db) { return MergeTuners(db); }},
        {kCmdCopyT2ToT1, "Channel Copy  T2 to T1", "Channel Copy : T2 -> T1\n\n[%1] channels copy Complete",
         "Copy T2 to T1", [](auto& db) { return CopyTunerChannels(db, TunerSide::Second, TunerSide::First, false); }}};
    for (const auto& [command, question, report, label, run] : commands) {
        AnswerMessage(ui::MessageDialog::kCancel);
        m_frame->OnCommand(command);
        EXPECT_EQ(m_messageTexts, QStringList({question}));
        EXPECT_TRUE(DatabaseSnapshot(m_database) == opened);
        m_messageTexts.clear();
        m_messageModes.clear();

        ChannelDatabase expected;
        ASSERT_TRUE(OpenDatabaseFile(expected, m_database.CurrentPath()).accepted);
        const int first = run(expected);
        EXPECT_GT(first, 0) << question;
        for (const int count : {first, 0}) {
            AnswerMessage(ui::MessageDialog::kOk);
            AnswerMessage(ui::MessageDialog::kOk);
            m_frame->OnCommand(command);
            EXPECT_EQ(m_messageTexts, QStringList({question, QString::fromLatin1(report).arg(count)})) << question;
            EXPECT_EQ(m_messageModes, std::vector<int>({2, 1}));
            m_messageTexts.clear();
            m_messageModes.clear();
        }
        EXPECT_TRUE(std::equal(m_database.ChannelRegion().begin(), m_database.ChannelRegion().end(),
                               expected.ChannelRegion().begin()))
            << question;
        EXPECT_EQ(m_frame->CommandAction(kCmdUndo)->text(), QStringLiteral("Undo ") + label);
        const DatabaseSnapshot after(m_database);
        for (const auto& [step, state] : {std::pair{kCmdUndo, &opened}, {kCmdRedo, &after}, {kCmdUndo, &opened}}) {
            m_frame->OnCommand(step);
            EXPECT_TRUE(DatabaseSnapshot(m_database) == *state) << label << " " << step;
        }
    }
    m_frame->OnCommand(kCmdRedo);
    Save();
    EXPECT_EQ(m_frame->CommandAction(kCmdUndo)->text(), "Undo Copy T2 to T1") << "saving adds no step";
    const DatabaseSnapshot saved(m_database);
    for (const auto& [step, modified] : {std::pair{kCmdUndo, true}, {kCmdRedo, false}}) {
        m_frame->OnCommand(step);
        EXPECT_EQ(m_database.Modified(), modified);
    }
    EXPECT_TRUE(DatabaseSnapshot(m_database) == saved);
}

TEST_F(FrameCommandsTest, PrintShowsAPreviewOfTheListingPages) {
    OpenSample();
    int pages = 0;
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        auto& preview = *dialog.findChild<QPrintPreviewWidget*>();
        preview.updatePreview();
        pages = preview.pageCount();
        return int(QDialog::Rejected);
    });
    m_frame->OnCommand(kCmdPrint);
    EXPECT_GT(pages, 1);
    EXPECT_TRUE(m_messageTexts.isEmpty());
}

// Each list tool is one change of the database followed by the refill every whole-list edit takes, and one undo step
// under its own name.
TEST_F(FrameCommandsTest, ListToolsChangeTheDatabaseOnceAndRefillThePanes) {
    OpenSample();
    ChannelDatabase other;
    ASSERT_TRUE(OpenDatabaseFile(other, m_database.CurrentPath()).accepted);
    ASSERT_EQ(1, SaveDatabaseFile(other, FilePath("reference.bin").toStdString()));
    const auto tables = [this] {
        const DatabaseSnapshot now(m_database);
        return std::tuple{now.satellites, now.channels, now.settings};
    };
    const auto opened = tables();

    m_database.SetModified(false);
    m_frame->View().HandleCommand(kCmdTvSortByName);
    EXPECT_TRUE(m_database.Modified());
    EXPECT_EQ(m_frame->CommandAction(kCmdUndo)->text(), "Undo Sort List");
    const auto sorted = tables();
    EXPECT_NE(sorted, opened);

    m_database.SetModified(false);
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        auto& applyOrder = static_cast<ui::ApplyOrderDialog&>(dialog);
        applyOrder.PathField().setText(FilePath("reference.bin"));
        return int(QDialog::Accepted);
    });
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    m_frame->OnCommand(kCmdApplyOrder);
    EXPECT_TRUE(m_database.Modified());
    EXPECT_NE(std::string::npos, AskedTexts().join(' ').toStdString().find(" unmatched."));
    EXPECT_EQ(m_frame->CommandAction(kCmdUndo)->text(), "Undo Apply Order");
    const auto ordered = tables();
    m_frame->OnCommand(kCmdUndo);
    EXPECT_EQ(tables(), sorted);
    m_frame->OnCommand(kCmdUndo);
    EXPECT_EQ(tables(), opened);
    m_frame->OnCommand(kCmdRedo);
    m_frame->OnCommand(kCmdRedo);
    EXPECT_EQ(tables(), ordered);

    // The reference order again: the lists are as they were before sorting.
    UserPrompts::ScriptAnswer(FilePath("reference.bin"));
    m_frame->OnCommand(kCmdCompareWithFile);
    auto* compare = m_frame->findChild<QDialog*>(QStringLiteral("compareWindow"));
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->findChild<QTreeWidget*>()->topLevelItem(0)->text(0), "The lists are equal.");

    m_database.SetModified(false);
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        auto& duplicates = static_cast<ui::DuplicatesDialog&>(dialog);
        if (duplicates.RemoveButton().isEnabled())
            duplicates.RemoveButton().click();
        EXPECT_EQ(duplicates.Groups().topLevelItemCount(), 0);
        return int(QDialog::Rejected);
    });
    m_frame->OnCommand(kCmdFindDuplicates);
}

TEST_F(FrameCommandsTest, ConfigurationDialogs) {
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "STB Configuration");
        return int(QDialog::Rejected);
    });
    m_frame->OnCommand(kCmdStbConfig);
    EXPECT_FALSE(m_database.Modified());
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        ui::Find<QComboBox>(dialog, "tunerConnect").setCurrentIndex(2);
        ui::Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    m_frame->OnCommand(kCmdStbConfig);
    EXPECT_TRUE(m_database.Modified());

    // Editor Config: "OK" gives the TV and radio panes the new column width at once.
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), m_frame.get());
        ui::Find<QLineEdit>(dialog, "columnWidthEdit").setText(QStringLiteral("350"));
        ui::Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    m_frame->OnCommand(kCmdEditorConfig);
    EXPECT_EQ(UserPrompts::TakeAsked().size(), 3u);
    for (ui::ChannelPane* pane : {&m_frame->View().TvPane(), &m_frame->View().RadioPane()}) {
        const int width = pane->viewport()->width();
        EXPECT_EQ(pane->ColumnWidth(), width / (width / 350 + 1));
    }
    EXPECT_EQ(mStore.ReadProfileNumber("Display", "ColumnWidth", 0), 350);
}

class FrameUndoTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Open(WriteSampleChannelFile("sample.bin"));
        m_frame->View().SatelliteListPane().SelectRow(0); // "All"
        m_frame->View().OnPaneChoice(m_frame->View().SatelliteListPane());
        m_frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    }
    QAction& Action(int command) { return *m_frame->CommandAction(command); }
    void Press(QKeyCombination key) { QTest::keyClick(&m_frame->View().TvPane(), key.key(), key.keyboardModifiers()); }
};

TEST_F(FrameUndoTest, DeleteIsTakenBackAndDoneAgainFromTheMenuAndEveryKey) {
    ui::ChannelPane& tv = m_frame->View().TvPane();
    const DatabaseSnapshot opened(m_database);
    const int rows = tv.RowCount();
    EXPECT_FALSE(Action(kCmdUndo).isEnabled());
    tv.SelectRows({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    const std::vector<int> deleted = tv.SelectedPks();
    m_frame->View().HandleCommand(kCmdTvDelete);
    const DatabaseSnapshot afterDelete(m_database);
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
        EXPECT_TRUE(DatabaseSnapshot(m_database) == (undo ? opened : afterDelete)) << "modified only after a redo";
        EXPECT_EQ(tv.RowCount(), undo ? rows : rows - 12);
        if (undo) {
            EXPECT_EQ(tv.SelectedPks(), deleted);
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
    for (const QTimer* timer : m_frame->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive() && timer->interval() == 250) << "no state is polled";
    const auto trigger = [this](int command) {
        return [this, command](CMirevoView&) { m_frame->CommandAction(command)->trigger(); };
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
             Choose(view, view.TransponderListPane(), 0); // from "All": its satellite is highlighted
             Choose(view, view.SatelliteListPane(), view.SatelliteListPane().SelectedRow());
         },
         {{kCmdSatelliteProperty, true}, {kCmdTransponderNew, true}, {kCmdTransponderDelete, false}},
         {}},
        {"transponder chosen",
         [](CMirevoView& view) { Choose(view, view.TransponderListPane(), 0); },
         {{kCmdTransponderDelete, true}, {kCmdTransponderNewTv, true}, {kCmdTvNew, true}, {kCmdTvDelete, false}},
         {}},
        {"channel chosen",
         [](CMirevoView& view) { Choose(view, view.TvPane(), 0); },
         {{kCmdTvDelete, true}, {kCmdTvMoveTo, true}, {kCmdTvAddFavourite, true}, {kCmdRadioDelete, false}},
         {}},
        {"sorted by name",
         [this](CMirevoView& view) {
             m_frame->CommandAction(kCmdTvOrderNames)->trigger();
             Choose(view, view.TvPane(), 0);
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
             m_frame->CommandAction(kCmdScrambledChannels)->trigger();
             EXPECT_EQ(view.DisplayFilter(), kCmdScrambledChannels);
             for (const ui::ChannelPane* pane : {&view.TvPane(), &view.RadioPane()})
                 for (int row = 0; row < pane->RowCount(); ++row)
                     EXPECT_TRUE(view.Database()
                                     .ChannelOfPk(pane->RowId(row))
                                     .SidedServiceWord(TunerSideOfPk(pane->RowId(row)))
                                     .Scrambled());
         },
         {},
         {{kCmdScrambledChannels, true}, {kCmdAllChannels, false}}},
        {"copied",
         [](CMirevoView& view) {
             Choose(view, view.TvPane(), 0);
             view.HandleCommand(kCmdTvCopy);
         },
         {{kCmdTvPaste, true}, {kCmdRadioPaste, true}},
         {}},
        {"clipboard cleared", [](CMirevoView&) { QGuiApplication::clipboard()->clear(); }, {{kCmdTvPaste, false}}, {}},
        {"edit", trigger(kCmdTvAddFavourite), {{kCmdUndo, true}, {kCmdRedo, false}}, {}},
        {"undo", trigger(kCmdUndo), {{kCmdUndo, false}, {kCmdRedo, true}}, {}},
        {"favourite group chosen",
         [](CMirevoView& view) {
             Choose(view, view.FavouriteListPane(), 0);
             view.TvPane().SelectRow(0);
         },
         {{kCmdTvNew, false}, {kCmdTvDelete, true}, {kCmdTvProperty, true}},
         {}},
        {"port opened",
         [](CMirevoView& view) { view.Document().NoteConnectionState(true, false); },
         {{kCmdConnect, false}, {kCmdDisconnect, true}, {kCmdUploadToStb, true}, {kCmdDownloadToPc, true}},
         {}},
        {"transfer running",
         [](CMirevoView& view) { view.Document().NoteConnectionState(true, true); },
         {{kCmdUploadToStb, false}, {kCmdDownloadToPc, false}, {kCmdRestoreBackup, false}, {kCmdDisconnect, true}},
         {}},
    };
    for (const StateStep& step : steps) {
        step.run(m_frame->View());
        for (const auto& [command, on] : step.enabled)
            EXPECT_EQ(m_frame->CommandAction(command)->isEnabled(), on) << step.change << ": " << command;
        for (const auto& [command, on] : step.checked)
            EXPECT_EQ(m_frame->CommandAction(command)->isChecked(), on) << step.change << ": " << command;
    }
    // A greyed command is refused however it arrives.
    EXPECT_FALSE(m_frame->OnCommand(kCmdUploadToStb));
    EXPECT_FALSE(m_frame->OnCommand(kCmdDownloadToPc));
    EXPECT_FALSE(m_frame->OnCommand(12345));
    EXPECT_EQ(m_frame->CommandAction(12345), nullptr);
    // Menu, toolbar and context menu show the one action of a number.
    EXPECT_TRUE(m_frame->ToolBar().actions().contains(m_frame->CommandAction(kCmdConnect)));
    EXPECT_EQ(ui::FindMenuCommand(*m_frame->View().BuildPaneMenu(m_frame->View().TvPane()), kCmdTvDelete),
              m_frame->CommandAction(kCmdTvDelete));
    EXPECT_EQ(m_frame->View().BuildPaneMenu(m_frame->View().FavouriteListPane()), nullptr);
    EXPECT_EQ(
        ui::FindMenuCommand(*m_frame->View().BuildPaneMenu(m_frame->View().SatelliteListPane()), kCmdSatelliteProperty),
        m_frame->CommandAction(kCmdSatelliteProperty));
    EXPECT_EQ(ui::FindMenuCommand(*m_frame->View().BuildPaneMenu(m_frame->View().TransponderListPane()),
                                  kCmdTransponderNewTv),
              m_frame->CommandAction(kCmdTransponderNewTv));
    EXPECT_EQ(ui::FindMenuCommand(*m_frame->View().BuildPaneMenu(m_frame->View().TvPane()), 12345), nullptr);
}

} // namespace
} // namespace vorlane::testing
