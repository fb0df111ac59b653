// Work the user did reaches the file he chose, and only that file: favourite group names through rename, save
// and reopen; Save after a text import and the name it offers.

#include "frame_test_fixture.h"

#include "panes/label_panes.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

class FrameKeptWorkTest : public FrameTest {
protected:
    // Save as the user runs it: the question, the file choice, the report.
    void Save(const QString& chosen) {
        AnswerMessage(ui::MessageDialog::kOk);
        UserPrompts::scriptAnswer(chosen);
        UserPrompts::scriptAnswer(QMessageBox::Ok);
        frame->OnCommand(kCmdSave);
    }
    void DoubleClickGroup(int row) {
        ui::FavoritePane& pane = frame->view().favoritePane();
        const QPoint centre = pane.visualRect(pane.model()->index(row, 0)).center();
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, centre);
    }
    // What the "Fav Name" page shows for group 1; "Cancel" closes the dialog.
    QString FavNamePageShows() {
        QString shown;
        UserPrompts::scriptAnswer([&shown](QDialog& dialog) {
            shown = ui::Find<QLineEdit>(dialog, "favName1").text();
            return int(QDialog::Rejected);
        });
        frame->OnCommand(kCmdStbConfig);
        return shown;
    }
};

// The group's new name is in the pane, the information line, the "Fav Name" page and the saved file, however
// the data came to be.
TEST_F(FrameKeptWorkTest, ARenamedGroupSurvivesSaveAndReopen) {
    for (const char* start : {"start-up", "New", "import"}) {
        SCOPED_TRACE(start);
        if (QString(start) == "New") {
            UserPrompts::scriptAnswer(QMessageBox::Yes);
            frame->OnCommand(kCmdNew);
        } else if (QString(start) == "import") {
            Open(Example("channels.dat"));
        }
        UserPrompts::scriptAnswer([](QDialog& dialog) {
            ui::Find<QLineEdit>(dialog, "toEdit").setText("Kino");
            ui::Find<QPushButton>(dialog, "okButton").click();
            return dialog.result();
        });
        DoubleClickGroup(0);
        EXPECT_EQ(frame->view().favoritePane().RowText(0).substr(0, 6), " Kino ");
        EXPECT_TRUE(frame->view().informationLine().startsWith("Kino "));
        EXPECT_EQ(FavNamePageShows(), "Kino");

        const QString saved = FilePath("renamed.bin");
        QFile::remove(saved);
        Save(saved);
        EXPECT_EQ(frame->view().favoritePane().RowText(0).substr(0, 6), " Kino ");
        Open(saved);
        EXPECT_EQ(frame->view().favoritePane().RowText(0).substr(0, 6), " Kino ");
        EXPECT_EQ(FavNamePageShows(), "Kino");
        UserPrompts::takeAsked();
        UserPrompts::scriptAnswer(QMessageBox::Yes);
        frame->OnCommand(kCmdNew);
    }
}

// After a text import there is no current file: Save and the close question's "Yes" choose a file, offering
// the imported name as a channel file, and the text file stays as it was.
TEST_F(FrameKeptWorkTest, SaveAfterAnImportNeverWritesOverTheTextFile) {
    const QString text = FilePath("list.dat");
    ASSERT_TRUE(QFile::copy(Example("channels.dat"), text));
    const Bytes before = ReadBytes(text);
    for (const bool viaClose : {false, true}) {
        Open(text);
        EXPECT_EQ(frame->windowTitle(), "Vorlane - (" + text + " (imported))");
        database.setModified(true);
        const QString chosen = FilePath(viaClose ? "closed" : "saved");
        if (viaClose) {
            UserPrompts::scriptAnswer(QMessageBox::Yes);
            UserPrompts::scriptAnswer(chosen);
            UserPrompts::scriptAnswer(QMessageBox::Ok);
            EXPECT_TRUE(frame->close());
        } else {
            Save(chosen);
        }
        const auto asked = UserPrompts::takeAsked();
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_EQ(asked[1].kind, ui::PromptKind::SaveFile);
        EXPECT_EQ(asked[1].start, FilePath("list.bin"));
        EXPECT_EQ(ReadBytes(chosen + ".bin").size(), 851968u);
        EXPECT_EQ(ReadBytes(text), before);
        EXPECT_FALSE(database.modified());
    }
}

} // namespace
} // namespace vorlane::testing
