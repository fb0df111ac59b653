// New, Open, Save, Save as and Export from the main frame: questions, file choices, reports, titles, the last chosen
// path, refusals that change nothing, and what keeps work from being lost.

#include "frame_test_fixture.h"

#include "importexport/replace_file.h"
#include "panes/label_panes.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

constexpr std::size_t kChannelFileSize = 851968;
const QString kOpenFilter = QStringLiteral("Readable files (*.bin *.sdx *.dat);;Bin files (*.bin);;"
                                           "Satcodx files (*.sdx);;Lyngsat files (*.dat);;All files (*)");

std::string Name(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

class FrameFileCommandsTest : public FrameTest {
protected:
    std::string StoredPath() const { return mStore.ReadProfileText("Path", "Data", "<none>"); }
    // What the "Fav Name" page shows for group 1; "Cancel" closes the dialog.
    QString FavNamePageShows() {
        QString shown;
        UserPrompts::ScriptAnswer([&shown](QDialog& dialog) {
            shown = ui::Find<QLineEdit>(dialog, "favName1").text();
            return int(QDialog::Rejected);
        });
        m_frame->OnCommand(kCmdStbConfig);
        return shown;
    }
};

TEST_F(FrameFileCommandsTest, OpenReadsChannelFilesAndTextListsAndNamesThemInTheTitle) {
    const QString path = WriteSampleChannelFile("sample.bin");
    m_database.SetReceiverModel(0);
    EXPECT_EQ(Open(path), QStringList({kOpenFilter}));
    EXPECT_EQ(m_frame->windowTitle(), "Vorlane - (" + path + ")");
    EXPECT_EQ(m_database.CurrentPath(), Name(path));
    EXPECT_EQ(m_database.ReceiverModel(), 1);
    EXPECT_FALSE(m_database.Modified());
    EXPECT_EQ(m_frame->FileCommands().LastChosenPath(), path);
    EXPECT_EQ(StoredPath(), Name(path));
    EXPECT_EQ(ReadBytes(path), m_database.FileBuffer());

    // Text lists are told apart by their first bytes.
    Open(Example("channels.dat"));
    EXPECT_EQ(m_database.Channel(0).Name(), "Kanal Aurora");
    EXPECT_EQ(m_frame->windowTitle(), "Vorlane - (" + Example("channels.dat") + " (imported))");
    Open(Example("channels.sdx"));
    EXPECT_EQ(m_database.ImportedPath(), Name(Example("channels.sdx")));

    // An import that did not fit reports what was left out.
    std::string text = ":SAT \"First\" 0\n:CHN \"No transponder yet\" 1 T\n";
    for (int i = 1; i < 66; ++i)
        text += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) + "\n:TRP 1 11000 27500 1 V\n";
    ASSERT_TRUE(ReplaceFile(Name(FilePath("many.dat")), Bytes(text.begin(), text.end())));
    UserPrompts::ScriptAnswer(FilePath("many.dat"));
    AnswerMessage(ui::MessageDialog::kOk);
    m_frame->OnCommand(kCmdOpen);
    EXPECT_EQ(m_messageTexts, QStringList({"4 records did not fit into the tables and were left out.\n"
                                           "1 channels came before any transponder of their satellite and were left "
                                           "out."}));
    EXPECT_EQ(m_messageModes, std::vector<int>({1}));
    EXPECT_TRUE(m_frame->updatesEnabled());
}

TEST_F(FrameFileCommandsTest, CancelledOpenAndFilesOneByteShortOrLongChangeNothing) {
    const DatabaseSnapshot start(m_database);
    EXPECT_EQ(Open(QString()).size(), 1);
    EXPECT_TRUE(DatabaseSnapshot(m_database) == start);
    EXPECT_EQ(m_frame->windowTitle(), "Vorlane");
    EXPECT_EQ(StoredPath(), "<none>");

    Open(WriteSampleChannelFile("before.bin"));
    m_database.SetModified(true);
    const QString title = m_frame->windowTitle();
    const std::string storedPath = StoredPath();
    const DatabaseSnapshot before(m_database);
    Bytes bytes = ReadBytes(WriteSampleChannelFile("sample.bin"));
    for (std::size_t size : {kChannelFileSize - 1, kChannelFileSize + 1}) {
        bytes.resize(size, 0xFF);
        const QString path = FilePath(size < kChannelFileSize ? "short.bin" : "long.bin");
        ASSERT_TRUE(ReplaceFile(Name(path), bytes));
        UserPrompts::ScriptAnswer(QMessageBox::No); // do not save the changes first
        UserPrompts::ScriptAnswer(path);
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
        m_frame->OnCommand(kCmdOpen);
        const auto asked = UserPrompts::TakeAsked();
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_EQ(asked[2].title + ": " + asked[2].text, "Vorlane: Failed to open file.");
        EXPECT_TRUE(DatabaseSnapshot(m_database) == before);
        EXPECT_EQ(m_frame->windowTitle(), title);
        EXPECT_EQ(StoredPath(), storedPath);
    }
    EXPECT_TRUE(m_frame->updatesEnabled());
}

// Open and a dropped file ask before dropping unsaved work: Cancel keeps it, Yes writes it unasked, No drops it.
TEST_F(FrameFileCommandsTest, OpenAndDropAskBeforeDroppingUnsavedWork) {
    const QString current = WriteSampleChannelFile("current.bin");
    Open(current);
    m_database.SetModified(true);
    EXPECT_EQ(Run(kCmdOpen, {QMessageBox::Cancel}), QStringList({"Do you want to save the changes ?"}));
    EXPECT_TRUE(m_database.Modified());

    QFile::remove(current);
    EXPECT_EQ(Run(kCmdOpen, {QMessageBox::Yes, QMessageBox::Ok, Example("channels.dat")}),
              QStringList({"Do you want to save the changes ?", "Complete to write file.", kOpenFilter}));
    EXPECT_EQ(ReadBytes(current).size(), kChannelFileSize);
    EXPECT_EQ(m_database.ImportedPath(), Name(Example("channels.dat")));

    m_database.Satellite(0).SetName("Unsaved");
    m_frame->View().CommitEdit(QStringLiteral("Edit satellite"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(current)});
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
        UserPrompts::ScriptAnswer(answer);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window: outside a real drag the application would not deliver a drop.
        static_cast<QObject*>(m_frame.get())->event(&drop);
        EXPECT_EQ(AskedTexts(), QStringList({"Do you want to save the changes ?"}));
        EXPECT_EQ(m_database.CurrentPath().empty(), answer == QMessageBox::Cancel);
    }
    EXPECT_FALSE(m_database.Modified());
}

TEST_F(FrameFileCommandsTest, NewAsksThenClearsEverythingAndSaveThenChoosesAFile) {
    Open(WriteSampleChannelFile("sample.bin"));
    m_database.SetModified(true);
    EXPECT_EQ(Run(kCmdNew, {QMessageBox::No}), QStringList({"Clear all data ?"}));
    EXPECT_FALSE(m_database.CurrentPath().empty());
    EXPECT_EQ(Run(kCmdNewKey, {QMessageBox::Yes}).size(), 1);
    EXPECT_EQ(m_frame->windowTitle(), "Vorlane - (No Title)");
    EXPECT_TRUE(m_database.CurrentPath().empty());
    EXPECT_FALSE(m_database.Modified());

    Save(FilePath("fresh"));
    EXPECT_EQ(TakeMessages(), std::pair(QStringList({"Are you sure Save?"}), std::vector<int>({2})));
    EXPECT_EQ(AskedTexts(), QStringList({"", "Bin files (*.bin)", "Complete to write file."}));
    EXPECT_EQ(ReadBytes(FilePath("fresh.bin")).size(), kChannelFileSize);
    EXPECT_TRUE(m_database.CurrentPath().empty());
    EXPECT_EQ(m_frame->windowTitle(), "Vorlane - (No Title)");
    EXPECT_EQ(StoredPath(), Name(FilePath("fresh.bin")));
}

// A broken database is listed and saved only on Yes; a sound one asks nothing new (the tests around this one).
TEST_F(FrameFileCommandsTest, SaveOfABrokenDatabaseAsksSaveAnywayDefaultNo) {
    Open(WriteSampleChannelFile("sample.bin"));
    int slot = 0;
    while (m_database.Channel(slot).IsFree())
        ++slot;
    const ChannelRecord broken = m_database.Channel(slot);
    broken.SetPresence(TunerSide::First, 1);
    broken.SetTransponderLink(TunerSide::First, broken.TransponderLink(TunerSide::First).WithIndex(0x3FFF));
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QFile::remove(FilePath("sample.bin"));
        UserPrompts::ScriptAnswer(FilePath("sample.bin"));
        UserPrompts::ScriptAnswer(answer);
        if (answer == QMessageBox::Yes)
            UserPrompts::ScriptAnswer(QMessageBox::Ok); // "Complete to write file."
        m_frame->FileCommands().SaveAs();
        const QString question = AskedTexts().value(1);
        EXPECT_TRUE(question.contains("transponder link names slot 16383")) << question.toStdString();
        EXPECT_TRUE(question.endsWith("Save anyway?"));
        EXPECT_EQ(QFile::exists(FilePath("sample.bin")), answer == QMessageBox::Yes);
    }
}

TEST_F(FrameFileCommandsTest, SaveAsThenSaveWritesTheOpenedFileAndAFailedSaveKeepsTheModifiedFlag) {
    const QString opened = WriteSampleChannelFile("opened.bin");
    Open(opened);
    const QString title = m_frame->windowTitle();
    m_database.Satellite(0).SetName("Changed");
    m_database.SetModified(true);

    UserPrompts::ScriptAnswer(FilePath("copy.bin"));
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    m_frame->OnCommand(kCmdSaveAs);
    const auto asked = UserPrompts::TakeAsked();
    EXPECT_EQ(TextsOf(asked), QStringList({"Bin files (*.bin)", "Complete to write file."}));
    EXPECT_EQ(asked.at(0).start, opened); // the choice starts with the current file's name
    EXPECT_FALSE(m_database.Modified());
    EXPECT_EQ(m_database.CurrentPath(), Name(opened));
    EXPECT_EQ(m_frame->windowTitle(), title);
    const Bytes saved = ReadBytes(FilePath("copy.bin"));
    EXPECT_NE(saved, ReadBytes(opened));

    AnswerMessage(ui::MessageDialog::kCancel);
    EXPECT_EQ(Run(kCmdSave, {}).size(), 1);
    EXPECT_NE(ReadBytes(opened), saved);
    Save();
    EXPECT_EQ(AskedTexts(), QStringList({"", "Complete to write file."}));
    EXPECT_EQ(ReadBytes(opened), saved);
    EXPECT_EQ(m_frame->windowTitle(), title);

    // A failed write reports and keeps the modified flag; a cancelled choice writes nothing.
    m_database.SetModified(true);
    UserPrompts::ScriptAnswer(FilePath("no such folder/file.bin"));
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    EXPECT_FALSE(m_frame->FileCommands().SaveAs());
    EXPECT_EQ(AskedTexts(), QStringList({"Bin files (*.bin)", "Failed to write file."}));
    EXPECT_TRUE(m_database.Modified());

    UserPrompts::ScriptAnswer(QString());
    EXPECT_FALSE(m_frame->FileCommands().SaveAs());
    EXPECT_EQ(UserPrompts::TakeAsked().size(), 1u);
}

// Export adds its filter's extension, writes CSV for a name ending in .csv, and reports a missing folder.
TEST_F(FrameFileCommandsTest, ExportWritesTheListingWithItsFiltersExtension) {
    Open(Example("channels.dat"));
    const std::pair<const char*, const char*> exports[] = {
        {"listing", "TEXT files (*.txt);;CSV (*.csv)|Complete to write file."},
        {"listing.csv", "TEXT files (*.txt);;CSV (*.csv)|Complete to write file."},
        {"missing/listing.txt", "TEXT files (*.txt);;CSV (*.csv)|Error Opening Write source file <%1>"}};
    for (const auto& [name, texts] : exports) {
        EXPECT_EQ(Run(kCmdExport, {FilePath(name), QMessageBox::Ok}),
                  QString::fromLatin1(texts).replace("%1", FilePath(name)).split('|'));
        if (name == std::string("listing")) {
            EXPECT_EQ(StoredPath(), Name(FilePath("listing.txt")));
        }
    }
    const Bytes csv = ReadBytes(FilePath("listing.csv"));
    EXPECT_EQ(std::string(csv.begin(), csv.end()).rfind("Tuner,Type,Number,Name,", 0), 0u);
}

// A group's new name is in the pane, the information line, the "Fav Name" page and the file, however the data came.
TEST_F(FrameFileCommandsTest, ARenamedGroupSurvivesSaveAndReopen) {
    ui::FavouritePane& pane = m_frame->View().FavouriteListPane();
    for (const char* start : {"start-up", "New", "import"}) {
        SCOPED_TRACE(start);
        if (QString(start) == "New")
            Run(kCmdNew, {QMessageBox::Yes});
        else if (QString(start) == "import")
            Open(Example("channels.dat"));
        UserPrompts::ScriptAnswer([](QDialog& dialog) {
            ui::Find<QLineEdit>(dialog, "toEdit").setText("Kino");
            ui::Find<QPushButton>(dialog, "okButton").click();
            return dialog.result();
        });
        const QPoint centre = pane.visualRect(pane.model()->index(0, 0)).center();
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(pane.RowText(0).substr(0, 6), " Kino ");
        EXPECT_TRUE(m_frame->View().InformationLine().startsWith("Kino "));
        EXPECT_EQ(FavNamePageShows(), "Kino");

        const QString saved = FilePath("renamed.bin");
        QFile::remove(saved);
        Save(saved);
        EXPECT_EQ(pane.RowText(0).substr(0, 6), " Kino ");
        Open(saved);
        EXPECT_EQ(pane.RowText(0).substr(0, 6), " Kino ");
        EXPECT_EQ(FavNamePageShows(), "Kino");
        Run(kCmdNew, {QMessageBox::Yes});
    }
}

TEST_F(FrameFileCommandsTest, SaveAfterAnImportNeverWritesOverTheTextFile) {
    const QString text = FilePath("list.dat");
    ASSERT_TRUE(QFile::copy(Example("channels.dat"), text));
    const Bytes before = ReadBytes(text);
    for (const bool viaClose : {false, true}) {
        Open(text);
        m_database.SetModified(true);
        const QString chosen = FilePath(viaClose ? "closed" : "saved");
        if (viaClose) {
            UserPrompts::ScriptAnswer(QMessageBox::Yes);
            UserPrompts::ScriptAnswer(chosen);
            UserPrompts::ScriptAnswer(QMessageBox::Ok);
            EXPECT_TRUE(m_frame->close());
        } else {
            Save(chosen);
        }
        const auto asked = UserPrompts::TakeAsked();
        EXPECT_EQ(TextsOf(asked).at(1), "Bin files (*.bin)");
        EXPECT_EQ(asked.at(1).start, FilePath("list.bin"));
        EXPECT_EQ(ReadBytes(chosen + ".bin").size(), kChannelFileSize);
        EXPECT_EQ(ReadBytes(text), before);
        EXPECT_FALSE(m_database.Modified());
    }
}

// One row per run over the same file: whether backups are kept, and what NAME.bak holds after two saves.
TEST_F(FrameFileCommandsTest, FirstSaveAfterOpeningKeepsTheOldFileOnceAsBak) {
    const QString path = WriteSampleChannelFile("list.bin");
    const QString backup = path + QStringLiteral(".bak");
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        QFile::remove(backup);
        m_frame->View().CurrentEditorSettings().SetKeepBackup(keep);
        Open(path);
        const Bytes opened = ReadBytes(path);
        for (const char* name : {"First", "Second"}) {
            m_database.Satellite(0).SetName((keep ? "K " : "N ") + std::string(name));
            m_frame->View().CommitEdit(QStringLiteral("Edit satellite"));
            Save();
            ASSERT_EQ(AskedTexts().last(), "Complete to write file.");
        }
        EXPECT_NE(ReadBytes(path), opened);
        EXPECT_EQ(QFile::exists(backup), keep);
        if (keep) {
            EXPECT_EQ(ReadBytes(backup), opened) << "the second save keeps the first backup";
        }
    }
}

TEST_F(FrameFileCommandsTest, RecentFilesListTheLastOpenedNewestFirstWithMissingOnesGrayed) {
    const QString paths[] = {WriteSampleChannelFile("a.bin"), WriteSampleChannelFile("b.bin"),
                             WriteSampleChannelFile("c.bin")};
    for (const QString& path : {paths[0], paths[1], paths[2], paths[0]})
        Open(path);
    QFile::remove(paths[1]);
    QMenu& menu = m_frame->RecentFilesMenu();
    emit menu.aboutToShow();
    QStringList entries;
    for (const QAction* entry : menu.actions())
        entries << entry->text() + (entry->isEnabled() ? "" : " (grey)");
    EXPECT_EQ(entries, QStringList({paths[0], paths[2], paths[1] + " (grey)"}));
    EXPECT_EQ(mStore.ReadProfileText("Recent File List", "File2", ""), Name(paths[2]));

    menu.actions().at(1)->trigger();
    EXPECT_EQ(m_database.CurrentPath(), Name(paths[2]));
}

} // namespace
} // namespace vorlane::testing
