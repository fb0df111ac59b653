// The main frame's menus and its commands other than file commands: tuner copy and merge, Print, the list tools, the
// configuration dialogs, Undo and Redo from the menu and every key, and the commands' states.

#include "frame_test_fixture.h"

#include "database/add_records.h"
#include "database/table_layout.h"
#include "database/tuner_copy.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_menus.h"
#include "shell/apply_order_dialog.h"
#include "shell/duplicates_dialog.h"
#include "shell/edit_document.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <functional>
#include <tuple>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

QStringList EntryTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void Choose(CMirevoView& view, ui::PaneListView& pane, int row) {
    pane.SelectRow(row);
    view.OnPaneChoice(pane);
}

using FrameCommandsTest = FrameTest;

TEST_F(FrameCommandsTest, MenusCarryEveryCommand) {
    const QList<QAction*> menus = m_frame->menuBar()->actions();
    const QStringList expected[] = {
        {"New File", "Open", "Save", "Save as", "Recent Files", "-", "Export", "Apply Order from Reference List...",
         "Compare with File...", "Restore Receiver Backup...", "Print", "Exit"},
        {"Undo", "Redo"},
        {"COM Setting", "Connect Status", "-", "Editor Config", "STB Config"},
        {"All channels", "Tuner 1 channels", "Tuner 2 channels", "FTA channels", "Scramble channels", "-",
         "Copy T1 to T2", "Copy T2 to T1", "Merge T1 and T2", "-", "Find Duplicates..."},
        {"Information"}};
    ASSERT_EQ(menus.size(), std::size(expected));
    for (qsizetype i = 0; i < menus.size(); ++i)
        EXPECT_EQ(EntryTexts(*menus[i]->menu()), expected[i]);
    EXPECT_EQ(EntryTexts(*menus[2]->menu()->actions().at(1)->menu()),
              QStringList({"Auto Connect", "Connect", "Disconnect", "Upload to STB", "Download to PC"}));
}

// Each tuner command asks first (Cancel changes nothing), reports its count (none left when run again), does what the
// core function does, and is one undo step under its own name; undo past a save sets the modified flag, redo clears it.
TEST_F(FrameCommandsTest, TunerCommandsAskReportTheirCountAndFollowTheHistory) {
    Open(WriteSampleChannelFile("sample.bin"));
    const DatabaseSnapshot opened(m_database);
    const std::tuple<int, const char*, const char*, const char*, std::function<int(ChannelDatabase&)>> commands[] = {
        {kCmdCopyT1ToT2, "Channel Copy  T1 to T2", "Channel Copy : T1 -> T2\n\n[%1] channels copy Complete",
         "Copy T1 to T2",
         [](ChannelDatabase& db) { return CopyTunerChannels(db, TunerSide::First, TunerSide::Second, false); }},
        {kCmdMergeTuners, "Channel Merge  T1 and T2", "Merge channel : T1 and T2\n\n[%1] channels Merge Complete",
         "Merge T1 and T2", [](ChannelDatabase& db) { return MergeTuners(db); }},
        {kCmdCopyT2ToT1, "Channel Copy  T2 to T1", "Channel Copy : T2 -> T1\n\n[%1] channels copy Complete",
         "Copy T2 to T1",
         [](ChannelDatabase& db) { return CopyTunerChannels(db, TunerSide::Second, TunerSide::First, false); }}};
    for (const auto& [command, question, report, label, run] : commands) {
        AnswerMessage(ui::MessageDialog::kCancel);
        m_frame->OnCommand(command);
        EXPECT_EQ(TakeMessages().first, QStringList({question}));
        EXPECT_TRUE(DatabaseSnapshot(m_database) == opened);

        ChannelDatabase expected;
        ASSERT_TRUE(OpenDatabaseFile(expected, m_database.CurrentPath()).accepted);
        const int first = run(expected);
        EXPECT_GT(first, 0) << question;
        for (const int count : {first, 0}) {
            AnswerMessage(ui::MessageDialog::kOk);
            AnswerMessage(ui::MessageDialog::kOk);
            m_frame->OnCommand(command);
            EXPECT_EQ(TakeMessages(), std::pair(QStringList({question, QString::fromLatin1(report).arg(count)}),
                                                std::vector<int>({2, 1})));
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

TEST_F(FrameCommandsTest, ListToolsChangeTheDatabaseOnceAndRefillThePanesAndPrintShowsAPreview) {
    Open(WriteSampleChannelFile("sample.bin"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(m_database.CurrentPath()), FilePath("reference.bin")));
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
    for (const auto& [step, state] :
         {std::pair{kCmdUndo, &sorted}, {kCmdUndo, &opened}, {kCmdRedo, &sorted}, {kCmdRedo, &ordered}}) {
        m_frame->OnCommand(step);
        EXPECT_EQ(tables(), *state) << step;
    }

    // The reference order again: the lists are as they were before sorting.
    Run(kCmdCompareWithFile, {FilePath("reference.bin")});
    EXPECT_EQ(ui::Find<QDialog>(*m_frame, "compareWindow").findChild<QTreeWidget*>()->topLevelItem(0)->text(0),
              "The lists are equal.");

    // A copy of a listed channel is its duplicate: the dialog lists it checked, and Remove Checked takes it out.
    const ListHead* tv = m_database.Lists().Head(ListKind::TvChannels, 0);
    const int listedBefore = tv->count;
    std::array<std::uint8_t, kChannelRecordSize> copy{};
    std::copy_n(m_database.ChannelOfPk(tv->first->pk).RecordBytes(), kChannelRecordSize, copy.begin());
    ASSERT_TRUE(AddChannel(m_database, copy));
    ASSERT_GT(tv->count, listedBefore);
    m_database.SetModified(false);
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        auto& duplicates = static_cast<ui::DuplicatesDialog&>(dialog);
        EXPECT_EQ(duplicates.Groups().topLevelItemCount(), tv->count - listedBefore);
        duplicates.RemoveButton().click();
        EXPECT_EQ(duplicates.Groups().topLevelItemCount(), 0);
        return int(QDialog::Rejected);
    });
    m_frame->OnCommand(kCmdFindDuplicates);
    EXPECT_EQ(tv->count, listedBefore);
    EXPECT_TRUE(m_database.Modified());

    // Print shows a preview of the listing pages.
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

TEST_F(FrameCommandsTest, ConfigurationDialogs) {
    UserPrompts::ScriptAnswer([](QDialog&) { return int(QDialog::Rejected); });
    m_frame->OnCommand(kCmdStbConfig);
    EXPECT_EQ(UserPrompts::TakeAsked().at(0).title, "STB Configuration");
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
    for (ui::ChannelPane* pane : {&m_frame->View().TvPane(), &m_frame->View().RadioPane()}) {
        const int width = pane->viewport()->width();
        EXPECT_EQ(pane->ColumnWidth(), width / (width / 350 + 1));
    }
    EXPECT_EQ(mStore.ReadProfileNumber("Display", "ColumnWidth", 0), 350);
}

TEST_F(FrameCommandsTest, DeleteIsTakenBackAndDoneAgainFromTheMenuAndEveryKey) {
    Open(WriteSampleChannelFile("sample.bin"));
    CMirevoView& view = m_frame->View();
    ui::ChannelPane& tv = view.TvPane();
    Choose(view, view.SatelliteListPane(), 0); // "All"
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    const auto action = [this](int command) -> QAction& { return *m_frame->CommandAction(command); };
    const auto press = [&tv](QKeyCombination key) {
        return [&tv, key] { QTest::keyClick(&tv, key.key(), key.keyboardModifiers()); };
    };
    const DatabaseSnapshot opened(m_database);
    const int rows = tv.RowCount();
    EXPECT_FALSE(action(kCmdUndo).isEnabled());
    tv.SelectRows({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    const std::vector<Pk> deleted = tv.SelectedPks();
    view.HandleCommand(kCmdTvDelete);
    const DatabaseSnapshot afterDelete(m_database);
    EXPECT_EQ(action(kCmdUndo).text(), "Undo Delete 12 channels");

    const std::pair<const char*, std::function<void()>> strokes[] = {
        {"menu Undo", [&] { action(kCmdUndo).trigger(); }},
        {"menu Redo", [&] { action(kCmdRedo).trigger(); }},
        {"Ctrl+Z", press(Qt::CTRL | Qt::Key_Z)},
        {"Ctrl+Y", press(Qt::CTRL | Qt::Key_Y)},
        {"Ctrl+Z again", press(Qt::CTRL | Qt::Key_Z)},
        {"Ctrl+Shift+Z", press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}};
    bool undo = true;
    for (const auto& [how, run] : strokes) {
        SCOPED_TRACE(how);
        run();
        EXPECT_TRUE(DatabaseSnapshot(m_database) == (undo ? opened : afterDelete)) << "modified only after a redo";
        EXPECT_EQ(tv.RowCount(), undo ? rows : rows - 12);
        EXPECT_TRUE(!undo || tv.SelectedPks() == deleted);
        EXPECT_EQ(action(undo ? kCmdRedo : kCmdUndo).text(),
                  undo ? "Redo Delete 12 channels" : "Undo Delete 12 channels");
        EXPECT_FALSE(action(undo ? kCmdUndo : kCmdRedo).isEnabled());
        undo = !undo;
    }
}

using CommandStatesTest = FrameTest;

// Every command's action follows the document's signals at once: each step changes one kind of state, no polling.
TEST_F(CommandStatesTest, ActionsFollowEveryStateChangeWithoutPolling) {
    for (const QTimer* timer : m_frame->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive() && timer->interval() == 250) << "no state is polled";
    CMirevoView& view = m_frame->View();
    const auto expect = [this](const char* step, std::vector<int> enabled, std::vector<int> disabled,
                               std::vector<int> checked = {}, std::vector<int> unchecked = {}) {
        for (const auto& [commands, ofEnabled, on] : {std::tuple{&enabled, true, true},
                                                      {&disabled, true, false},
                                                      {&checked, false, true},
                                                      {&unchecked, false, false}})
            for (const int command : *commands) {
                const QAction& action = *m_frame->CommandAction(command);
                EXPECT_EQ(ofEnabled ? action.isEnabled() : action.isChecked(), on) << step << ": " << command;
            }
    };
    const auto trigger = [this](int command) { m_frame->CommandAction(command)->trigger(); };
    expect("start", {kCmdConnect},
           {kCmdUndo, kCmdRedo, kCmdDisconnect, kCmdUploadToStb, kCmdSatelliteProperty, kCmdTransponderDeleteEmpty,
            kCmdTvDelete},
           {kCmdAllChannels, kCmdSatelliteSortStandard});
    Open(WriteSampleChannelFile("sample.bin"));
    expect("open", {kCmdTransponderDeleteEmpty}, {kCmdSatelliteProperty, kCmdTransponderNew, kCmdTvNew, kCmdUndo});
    Choose(view, view.TransponderListPane(), 0); // from "All": its satellite is highlighted
    Choose(view, view.SatelliteListPane(), view.SatelliteListPane().SelectedRow());
    expect("satellite chosen", {kCmdSatelliteProperty, kCmdTransponderNew}, {kCmdTransponderDelete});
    Choose(view, view.TransponderListPane(), 0);
    expect("transponder chosen", {kCmdTransponderDelete, kCmdTransponderNewTv, kCmdTvNew}, {kCmdTvDelete});
    Choose(view, view.TvPane(), 0);
    expect("channel chosen", {kCmdTvDelete, kCmdTvMoveTo, kCmdTvAddFavourite}, {kCmdRadioDelete});
    trigger(kCmdTvOrderNames);
    Choose(view, view.TvPane(), 0);
    expect("sorted by name", {kCmdTvDelete}, {kCmdTvMoveTo}, {kCmdTvOrderNames}, {kCmdTvOrderOriginal});
    trigger(kCmdSatelliteSortLongitude);
    expect("longitude order", {}, {}, {kCmdSatelliteSortLongitude}, {kCmdSatelliteSortStandard});
    trigger(kCmdTransponderSortFrequency);
    expect("frequency order", {}, {}, {kCmdTransponderSortFrequency});
    trigger(kCmdScrambledChannels);
    expect("display filter", {}, {}, {kCmdScrambledChannels}, {kCmdAllChannels});
    EXPECT_EQ(view.DisplayFilter(), kCmdScrambledChannels);
    for (const ui::ChannelPane* pane : {&view.TvPane(), &view.RadioPane()})
        for (int row = 0; row < pane->RowCount(); ++row)
            EXPECT_TRUE(m_database.ChannelOfPk(*pane->PkAt(row)).SidedServiceWord(pane->PkAt(row)->Side()).Scrambled());
    Choose(view, view.TvPane(), 0);
    view.HandleCommand(kCmdTvCopy);
    expect("copied", {kCmdTvPaste, kCmdRadioPaste}, {});
    QGuiApplication::clipboard()->clear();
    expect("clipboard cleared", {}, {kCmdTvPaste});
    trigger(kCmdTvAddFavourite);
    expect("edit", {kCmdUndo}, {kCmdRedo});
    trigger(kCmdUndo);
    expect("undo", {kCmdRedo}, {kCmdUndo});
    Choose(view, view.FavouriteListPane(), 0);
    view.TvPane().SelectRow(0);
    expect("favourite group chosen", {kCmdTvDelete, kCmdTvProperty}, {kCmdTvNew});
    view.Document().NoteConnectionState(true, false);
    expect("port opened", {kCmdDisconnect, kCmdUploadToStb, kCmdDownloadToPc}, {kCmdConnect});
    view.Document().NoteConnectionState(true, true);
    expect("transfer running", {kCmdDisconnect}, {kCmdUploadToStb, kCmdDownloadToPc, kCmdRestoreBackup});
    // A greyed command is refused however it arrives.
    EXPECT_FALSE(m_frame->OnCommand(kCmdUploadToStb));
    EXPECT_FALSE(m_frame->OnCommand(kCmdDownloadToPc));
    EXPECT_FALSE(m_frame->OnCommand(12345));
    EXPECT_EQ(m_frame->CommandAction(12345), nullptr);
    // Menu, toolbar and context menu show the one action of a number.
    EXPECT_TRUE(m_frame->ToolBar().actions().contains(m_frame->CommandAction(kCmdConnect)));
    EXPECT_EQ(view.BuildPaneMenu(view.FavouriteListPane()), nullptr);
    const std::pair<ui::PaneListView*, int> paneMenus[] = {{&view.TvPane(), kCmdTvDelete},
                                                           {&view.SatelliteListPane(), kCmdSatelliteProperty},
                                                           {&view.TransponderListPane(), kCmdTransponderNewTv},
                                                           {&view.TvPane(), 12345}};
    for (const auto& [pane, command] : paneMenus)
        EXPECT_EQ(ui::FindMenuCommand(*view.BuildPaneMenu(*pane), command), m_frame->CommandAction(command)) << command;
}

} // namespace
} // namespace vorlane::testing
