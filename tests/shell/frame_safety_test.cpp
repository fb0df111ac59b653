// What keeps edits from being lost in the frame: the backup before the first save over an opened file, the
// recent files, and a file dropped on the window.

#include "frame_test_fixture.h"

#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

class FrameSafetyTest : public FrameTest {
protected:
    void EditAndSave(const std::string& satelliteName) {
        database.satellite(0).setName(satelliteName);
        frame->view().CommitEdit(QStringLiteral("Edit satellite"));
        AnswerMessage(ui::MessageDialog::kOk);
        UserPrompts::scriptAnswer(QMessageBox::Ok);
        frame->OnCommand(kCmdSave);
        ASSERT_EQ(AskedTexts().last(), "Complete to write file.");
    }
};

// One row per run over the same file: whether backups are kept, and what NAME.bak holds after two saves.
TEST_F(FrameSafetyTest, FirstSaveAfterOpeningKeepsTheOldFileOnceAsBak) {
    const QString path = WriteSampleChannelFile("list.bin");
    const QString backup = path + QStringLiteral(".bak");
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        QFile::remove(backup);
        frame->view().editorSettings().set_keep_backup(keep);
        Open(path);
        const Bytes opened = ReadBytes(path);
        EditAndSave(keep ? "First" : "Third");
        EditAndSave(keep ? "Second" : "Fourth");
        EXPECT_NE(ReadBytes(path), opened);
        EXPECT_EQ(QFile::exists(backup), keep);
        if (keep) {
            EXPECT_EQ(ReadBytes(backup), opened) << "the second save keeps the first backup";
        }
    }
}

TEST_F(FrameSafetyTest, RecentFilesListTheLastOpenedNewestFirstWithMissingOnesGrayed) {
    std::vector<QString> paths;
    for (const char* name : {"a.bin", "b.bin", "c.bin"})
        paths.push_back(WriteSampleChannelFile(name));
    for (const QString& path : {paths[0], paths[1], paths[2], paths[0]})
        Open(path);
    QFile::remove(paths[1]);
    QMenu& menu = frame->recentFilesMenu();
    emit menu.aboutToShow();
    QStringList texts;
    std::vector<bool> enabled;
    for (const QAction* entry : menu.actions()) {
        texts << entry->text();
        enabled.push_back(entry->isEnabled());
    }
    EXPECT_EQ(texts, QStringList({paths[0], paths[2], paths[1]}));
    EXPECT_EQ(enabled, std::vector<bool>({true, true, false}));
    EXPECT_EQ(store.ReadProfileText("Recent File List", "File2", ""), QFile::encodeName(paths[2]).toStdString());

    menu.actions().at(1)->trigger();
    EXPECT_EQ(database.currentPath(), QFile::encodeName(paths[2]).toStdString());
}

TEST_F(FrameSafetyTest, DroppedFileOpensAfterTheQuestionAboutUnsavedWork) {
    const QString path = WriteSampleChannelFile("dropped.bin");
    database.satellite(0).setName("Unsaved");
    frame->view().CommitEdit(QStringLiteral("Edit satellite"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
        UserPrompts::scriptAnswer(answer);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window: outside a real drag the application would not deliver a drop.
        static_cast<QObject*>(frame.get())->event(&drop);
        EXPECT_EQ(AskedTexts(), QStringList({"Do you want to save the changes ?"}));
        EXPECT_EQ(database.currentPath().empty(), answer == QMessageBox::Cancel);
    }
    EXPECT_FALSE(database.modified());
}

} // namespace
} // namespace vorlane::testing
