// The main frame's menus, toolbar, command states and the commands that are not file commands: display filters,
// tuner copy and merge, Print, Editor Config and STB Config.

#include "frame_test_fixture.h"

#include "database/table_layout.h"
#include "database/tuner_copy.h"
#include "importexport/database_files.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "shell/apply_order_dialog.h"
#include "shell/duplicates_dialog.h"
#include "shell/edit_document.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPushButton>
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
// copy or merge, and the database holds what the core function makes of the opened file.
TEST_F(FrameCommandsTest, TunerCommandsAskReportTheirCountAndNothingTheSecondTime) {
    OpenSample();
    const DatabaseSnapshot opened(database);
    const std::tuple<int, const char*, const char*, std::function<int(ChannelDatabase&)>> commands[] = {
        {kCmdCopyT1ToT2, "Channel Copy  T1 to T2", "Channel Copy : T1 -> T2\n\n[%1] channels copy Complete",
         [](ChannelDatabase& db) { return CopyTunerChannels(db, 0, 1, false); }},
        {kCmdMergeTuners, "Channel Merge  T1 and T2", "Merge channel : T1 and T2\n\n[%1] channels Merge Complete",
         [](ChannelDatabase& db) { return MergeTuners(db); }},
        {kCmdCopyT2ToT1, "Channel Copy  T2 to T1", "Channel Copy : T2 -> T1\n\n[%1] channels copy Complete",
         [](ChannelDatabase& db) { return CopyTunerChannels(db, 1, 0, false); }}};
    for (const auto& [command, question, report, run] : commands) {
        AnswerMessage(ui::MessageDialog::kCancel);
        frame->OnCommand(command);
        EXPECT_EQ(messageTexts, QStringList({question}));
        EXPECT_TRUE(DatabaseSnapshot(database) == opened);
        messageTexts.clear();
        messageModes.clear();
    }
    ChannelDatabase expected;
    ASSERT_TRUE(OpenDatabaseFile(expected, database.currentPath()).accepted);
    for (const auto& [command, question, report, run] : commands) {
        const int first = run(expected);
        EXPECT_TRUE(first > 0 || command == kCmdCopyT2ToT1) << question;
        for (const int count : {first, 0}) {
            AnswerMessage(ui::MessageDialog::kOk);
            AnswerMessage(ui::MessageDialog::kOk);
            frame->OnCommand(command);
            EXPECT_EQ(messageTexts, QStringList({question, QString::fromLatin1(report).arg(count)})) << question;
            EXPECT_EQ(messageModes, std::vector<int>({2, 1}));
            messageTexts.clear();
            messageModes.clear();
        }
    }
    EXPECT_TRUE(database.modified());
    EXPECT_TRUE(
        std::equal(database.channelRegion().begin(), database.channelRegion().end(), expected.channelRegion().begin()));
}

TEST_F(FrameCommandsTest, PrintShowsAPreviewOfTheListingPages) {
    OpenSample();
    int pages = 0;
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        EXPECT_NE(preview, nullptr);
        if (preview) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        return int(QDialog::Rejected);
    });
    frame->OnCommand(kCmdPrint);
    EXPECT_GT(pages, 1);
    EXPECT_TRUE(messageTexts.isEmpty());
}

// Each list tool is one change of the database followed by the refill every whole-list edit takes, and one undo
// step under its own name.
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

} // namespace
} // namespace vorlane::testing
