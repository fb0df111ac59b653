// New, Open, Save, Save as and Export as the user runs them from the main frame: questions, file choices,
// reports, titles, the last chosen path, and refusals that change nothing.

#include "frame_test_fixture.h"

#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "shell/frame_commands.h"

#include <QFile>
#include <QFileInfo>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;

constexpr std::size_t kChannelFileSize = 851968;
const QString kOpenFilter = QStringLiteral("Readable files (*.bin *.sdx *.dat);;Bin files (*.bin);;"
                                           "Satcodx files (*.sdx);;Lyngsat files (*.dat);;All files (*)");

std::string Name(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

int UsedChannels(const ChannelDatabase& db) {
    int used = 0;
    for (int slot = 0; slot < 5000; ++slot)
        used += db.channel(slot).isFree() ? 0 : 1;
    return used;
}

int FirstUsedChannel(const ChannelDatabase& db) {
    int slot = 0;
    while (db.channel(slot).isFree())
        ++slot;
    return slot;
}

class FrameFileCommandsTest : public FrameTest {
protected:
    // Open, with the "Complete to write file." box answered after a save.
    void ScriptSaveAs(const QString& path) {
        UserPrompts::scriptAnswer(path);
        UserPrompts::scriptAnswer(QMessageBox::Ok);
    }
    std::string StoredPath() const { return store.ReadProfileText("Path", "Data", "<none>"); }
};

TEST_F(FrameFileCommandsTest, OpenOfAChannelFileReadsItAndNamesItInTheTitle) {
    const QString path = WriteSampleChannelFile("sample.bin");
    database.setReceiverModel(0);
    EXPECT_EQ(Open(path), QStringList({kOpenFilter}));
    EXPECT_EQ(frame->windowTitle(), "Vorlane - (" + path + ")");
    EXPECT_EQ(database.currentPath(), Name(path));
    EXPECT_EQ(database.receiverModel(), 1);
    EXPECT_FALSE(database.modified());
    EXPECT_EQ(database.fileBuffer().size(), kChannelFileSize);
    EXPECT_EQ(frame->fileCommands().lastChosenPath(), path);
    EXPECT_EQ(StoredPath(), Name(path));
    EXPECT_EQ(ReadBytes(path), database.fileBuffer());
}

TEST_F(FrameFileCommandsTest, OpenRecognisesTheTextListsByTheirFirstBytes) {
    EXPECT_EQ(Open(Example("channels.dat")).size(), 1);
    EXPECT_EQ(database.satellite(0).name(), "Nordlys 1");
    EXPECT_EQ(database.channel(0).name(), "Kanal Aurora");
    EXPECT_EQ(UsedChannels(database), 22);
    EXPECT_EQ(frame->windowTitle(), "Vorlane - (" + Example("channels.dat") + " (imported))");

    EXPECT_EQ(Open(Example("channels.sdx")).size(), 1);
    EXPECT_EQ(database.importedPath(), Name(Example("channels.sdx")));
    EXPECT_EQ(UsedChannels(database), 10);
}

TEST_F(FrameFileCommandsTest, CancelledOpenAndFilesOneByteShortOrLongChangeNothing) {
    const DatabaseSnapshot start(database);
    EXPECT_EQ(Open(QString()).size(), 1);
    EXPECT_TRUE(DatabaseSnapshot(database) == start);
    EXPECT_EQ(frame->windowTitle(), "Vorlane");
    EXPECT_EQ(StoredPath(), "<none>");

    Open(WriteSampleChannelFile("before.bin"));
    database.setModified(true);
    const QString title = frame->windowTitle();
    const std::string storedPath = StoredPath();
    const DatabaseSnapshot before(database);
    Bytes bytes = ReadBytes(WriteSampleChannelFile("sample.bin"));
    ASSERT_EQ(bytes.size(), kChannelFileSize);

    for (std::size_t size : {kChannelFileSize - 1, kChannelFileSize + 1}) {
        bytes.resize(size, 0xFF);
        const QString path = FilePath(size < kChannelFileSize ? "short.bin" : "long.bin");
        WriteBytes(path, bytes);
        UserPrompts::scriptAnswer(QMessageBox::No); // do not save the changes first
        UserPrompts::scriptAnswer(path);
        UserPrompts::scriptAnswer(QMessageBox::Ok);
        frame->OnCommand(kCmdOpen);
        const auto asked = UserPrompts::takeAsked();
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_EQ(asked[2].kind, ui::PromptKind::Message);
        EXPECT_EQ(asked[2].title, "Vorlane");
        EXPECT_EQ(asked[2].text, "Failed to open file.");
        EXPECT_TRUE(DatabaseSnapshot(database) == before);
        EXPECT_EQ(frame->windowTitle(), title);
        EXPECT_EQ(StoredPath(), storedPath);
    }
    EXPECT_TRUE(frame->updatesEnabled());
}

TEST_F(FrameFileCommandsTest, OpenAsksBeforeDroppingUnsavedWork) {
    const QString current = WriteSampleChannelFile("current.bin");
    Open(current);
    database.setModified(true);
    UserPrompts::scriptAnswer(QMessageBox::Cancel);
    frame->OnCommand(kCmdOpen);
    EXPECT_EQ(AskedTexts(), QStringList({"Do you want to save the changes ?"}));
    EXPECT_TRUE(database.modified());

    // Yes writes the current file without a second question, then the chosen file is opened.
    QFile::remove(current);
    UserPrompts::scriptAnswer(QMessageBox::Yes);
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    UserPrompts::scriptAnswer(Example("channels.dat"));
    frame->OnCommand(kCmdOpen);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text, "Do you want to save the changes ?");
    EXPECT_EQ(asked[1].text, "Complete to write file.");
    EXPECT_EQ(asked[2].kind, ui::PromptKind::OpenFile);
    EXPECT_EQ(ReadBytes(current).size(), kChannelFileSize);
    EXPECT_EQ(database.importedPath(), Name(Example("channels.dat")));
}

TEST_F(FrameFileCommandsTest, ImportThatDidNotFitReportsWhatWasLeftOut) {
    std::string text = ":SAT \"First\" 0\n:CHN \"No transponder yet\" 1 T\n";
    for (int i = 1; i < 66; ++i)
        text += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) + "\n:TRP 1 11000 27500 1 V\n";
    WriteBytes(FilePath("many.dat"), Bytes(text.begin(), text.end()));
    UserPrompts::scriptAnswer(FilePath("many.dat"));
    AnswerMessage(ui::MessageDialog::kOk);
    frame->OnCommand(kCmdOpen);
    EXPECT_EQ(messageTexts, QStringList({"4 records did not fit into the tables and were left out.\n"
                                         "1 channels came before any transponder of their satellite and were left "
                                         "out."}));
    EXPECT_EQ(messageModes, std::vector<int>({1}));
    EXPECT_EQ(database.satellite(63).name(), "Sat 63");
    EXPECT_TRUE(frame->updatesEnabled());
}

TEST_F(FrameFileCommandsTest, NewAsksThenClearsEverything) {
    Open(WriteSampleChannelFile("sample.bin"));
    database.setModified(true);

    UserPrompts::scriptAnswer(QMessageBox::No);
    frame->OnCommand(kCmdNew);
    auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Clear all data ?");
    EXPECT_FALSE(database.currentPath().empty());

    UserPrompts::scriptAnswer(QMessageBox::Yes);
    frame->OnCommand(kCmdNewKey);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
    EXPECT_EQ(frame->windowTitle(), "Vorlane - (No Title)");
    EXPECT_TRUE(database.currentPath().empty());
    EXPECT_FALSE(database.modified());
    EXPECT_EQ(database.receiverModel(), 1);
    EXPECT_TRUE(database.channel(0).isFree());
    EXPECT_FALSE(database.satellite(63).isFree());
}

TEST_F(FrameFileCommandsTest, SaveRightAfterNewRunsSaveAsAndAddsTheFiltersExtension) {
    UserPrompts::scriptAnswer(QMessageBox::Yes);
    frame->OnCommand(kCmdNew);
    UserPrompts::takeAsked();

    AnswerMessage(ui::MessageDialog::kOk);
    ScriptSaveAs(FilePath("fresh"));
    frame->OnCommand(kCmdSave);
    EXPECT_EQ(messageTexts, QStringList({"Are you sure Save?"}));
    EXPECT_EQ(messageModes, std::vector<int>({2}));
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].kind, ui::PromptKind::SaveFile);
    EXPECT_EQ(asked[1].text, "Bin files (*.bin)");
    EXPECT_EQ(asked[2].text, "Complete to write file.");
    EXPECT_EQ(ReadBytes(FilePath("fresh.bin")).size(), kChannelFileSize);
    EXPECT_TRUE(database.currentPath().empty());
    EXPECT_EQ(frame->windowTitle(), "Vorlane - (No Title)");
    EXPECT_EQ(StoredPath(), Name(FilePath("fresh.bin")));
}

TEST_F(FrameFileCommandsTest, CancelledSaveQuestionWritesNothing) {
    Open(WriteSampleChannelFile("sample.bin"));
    QFile::remove(FilePath("sample.bin"));
    AnswerMessage(ui::MessageDialog::kCancel);
    frame->OnCommand(kCmdSave);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
    EXPECT_FALSE(QFile::exists(FilePath("sample.bin")));
}

// A broken database is listed and saved only on Yes; a sound one asks nothing new (the tests around this one).
TEST_F(FrameFileCommandsTest, SaveOfABrokenDatabaseAsksSaveAnywayDefaultNo) {
    Open(WriteSampleChannelFile("sample.bin"));
    const ChannelRecord broken = database.channel(FirstUsedChannel(database));
    broken.setPresence(0, 1);
    broken.setTransponderLink(0, broken.transponderLink(0).withIndex(0x3FFF));
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QFile::remove(FilePath("sample.bin"));
        UserPrompts::takeAsked();
        UserPrompts::scriptAnswer(FilePath("sample.bin"));
        UserPrompts::scriptAnswer(answer);
        if (answer == QMessageBox::Yes)
            UserPrompts::scriptAnswer(QMessageBox::Ok); // "Complete to write file."
        frame->fileCommands().SaveAs();
        const QStringList asked = AskedTexts();
        ASSERT_GE(asked.size(), 2);
        EXPECT_TRUE(asked[1].contains("transponder link names slot 16383")) << asked[1].toStdString();
        EXPECT_TRUE(asked[1].endsWith("Save anyway?"));
        EXPECT_EQ(QFile::exists(FilePath("sample.bin")), answer == QMessageBox::Yes);
    }
}

TEST_F(FrameFileCommandsTest, SaveAsThenSaveWritesTheOpenedFile) {
    const QString opened = WriteSampleChannelFile("opened.bin");
    Open(opened);
    const QString title = frame->windowTitle();
    database.channel(FirstUsedChannel(database)).setName("Changed");
    database.setModified(true);

    ScriptSaveAs(FilePath("copy.bin"));
    frame->OnCommand(kCmdSaveAs);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Bin files (*.bin)");
    EXPECT_EQ(asked[0].start, opened); // the choice starts with the current file's name
    EXPECT_EQ(asked[1].text, "Complete to write file.");
    EXPECT_FALSE(database.modified());
    EXPECT_EQ(database.currentPath(), Name(opened));
    EXPECT_EQ(frame->windowTitle(), title);
    const Bytes saved = ReadBytes(FilePath("copy.bin"));
    EXPECT_NE(saved, ReadBytes(opened));

    AnswerMessage(ui::MessageDialog::kOk);
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdSave);
    EXPECT_EQ(AskedTexts(), QStringList({"", "Complete to write file."}));
    EXPECT_EQ(ReadBytes(opened), saved);
    EXPECT_EQ(frame->windowTitle(), title);
}

TEST_F(FrameFileCommandsTest, FailedSaveReportsAndKeepsTheModifiedFlag) {
    database.setModified(true);
    UserPrompts::scriptAnswer(FilePath("no such folder/file.bin"));
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    EXPECT_EQ(frame->fileCommands().SaveAs(), 0);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, "Failed to write file.");
    EXPECT_TRUE(database.modified());

    UserPrompts::scriptAnswer(QString());
    EXPECT_EQ(frame->fileCommands().SaveAs(), 0);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
}

TEST_F(FrameFileCommandsTest, ExportWritesTheListingWithItsFiltersExtension) {
    Open(Example("channels.dat"));
    UserPrompts::scriptAnswer(FilePath("listing"));
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdExport);
    EXPECT_EQ(AskedTexts(), QStringList({"TEXT files (*.txt);;CSV (*.csv)", "Complete to write file."}));
    const Bytes listing = ReadBytes(FilePath("listing.txt"));
    EXPECT_NE(std::string(listing.begin(), listing.end()).find("Kanal Aurora"), std::string::npos);
    EXPECT_EQ(StoredPath(), Name(FilePath("listing.txt")));

    // A name ending in .csv gets the CSV listing.
    UserPrompts::scriptAnswer(FilePath("listing.csv"));
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdExport);
    const Bytes csv = ReadBytes(FilePath("listing.csv"));
    EXPECT_EQ(std::string(csv.begin(), csv.end()).rfind("Tuner,Type,Number,Name,", 0), 0u);
    AskedTexts();

    UserPrompts::scriptAnswer(FilePath("missing/listing.txt"));
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    frame->OnCommand(kCmdExport);
    const QStringList texts = AskedTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[1], "Error Opening Write source file <" + FilePath("missing/listing.txt") + ">");
}

} // namespace
} // namespace vorlane::testing
