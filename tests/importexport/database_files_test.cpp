// Open and Save as the editor and vorlane-cli run them: recognition by content, the length rule, a refused file
// that changes nothing, round trips of full databases, and saves that fail without harm.

#include "importexport/database_files.h"

#include "blockfile/channel_file.h"
#include "database/channel_database.h"
#include "database/database_lifecycle.h"
#include "platform/trace.h"
#include "support/list_check.h"
#include "support/list_compare.h"
#include "support/sample_database.h"

#include "import_test_util.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr uid_t kNobody = 65534;

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes textBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// Everything an Open may change, to show that a refused one changed nothing.
struct DatabaseState {
    explicit DatabaseState(const ChannelDatabase& db)
        : satellites(db.satelliteBuffer().begin(), db.satelliteBuffer().end()),
          channels(db.channelBuffer().begin(), db.channelBuffer().end()),
          settings(db.heldSettings().begin(), db.heldSettings().end()), fileBuffer(db.fileBuffer()),
          path(db.currentPath()), modified(db.modified()), model(db.receiverModel()) {}
    bool operator==(const DatabaseState&) const = default;

    Bytes satellites, channels, settings, fileBuffer;
    std::string path;
    bool modified;
    int model;
};

class DatabaseFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vorlane-files-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        ASSERT_EQ(1, StartLikeEditor(db, 2025));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }

    // A database with contents, as if opened from "old.bin" and then edited.
    void makeEditedDatabase() {
        ASSERT_GT(makeSampleDatabase(db, 3, 6, 80, 300), 0);
        db.setCurrentPath((folder / "old.bin").string());
        db.setModified(true);
    }

    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
    ChannelDatabase db;
};

// Death-test body: runs the save (as an ordinary user when the tests run as root) and exits 0 when it failed
// and left the database marked modified.
[[noreturn]] void exitAfterFailingSave(ChannelDatabase& db, const fs::path& path, bool asNobody) {
    if (asNobody && ::setuid(kNobody) != 0)
        std::_Exit(2);
    std::_Exit(SaveDatabaseFile(db, path.string()) == 0 && db.modified() ? 0 : 1);
}

// A file size limit stops a write part way, as a full disk would.
void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        std::_Exit(3);
}

std::string channelListWithSatellites(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) + "\n";
    return text;
}

} // namespace

TEST(RecogniseFile, ByContentAlone) {
    EXPECT_EQ(FileReader::Satcodx, RecogniseFile(textBytes("SATCODX103")));
    EXPECT_EQ(FileReader::ChannelList, RecogniseFile(textBytes(":SAT \"x\" 1")));
    EXPECT_EQ(FileReader::ChannelFile, RecogniseFile(textBytes("SATCODX10")));
    EXPECT_EQ(FileReader::ChannelFile, RecogniseFile(textBytes(":sat")));
    EXPECT_EQ(FileReader::ChannelFile, RecogniseFile({}));
}

TEST_F(DatabaseFilesTest, FullDatabasesRoundTripByteForByte) {
    for (std::uint32_t seed : {1u, 2u}) {
        ChannelDatabase original;
        ASSERT_GT(makeSampleDatabase(original, fullSampleOptions(seed)), 0);
        const fs::path first = folder / "first.bin";
        const fs::path second = folder / "second.bin";
        ASSERT_EQ(1, SaveDatabaseFile(original, first.string()));

        ChannelDatabase reopened;
        ASSERT_EQ(1, StartLikeEditor(reopened, 2025));
        const OpenResult opened = OpenDatabaseFile(reopened, first.string());
        ASSERT_TRUE(opened.accepted);
        EXPECT_EQ(FileReader::ChannelFile, opened.reader);
        EXPECT_TRUE(verifyLists(reopened));
        expectSameLists(original, reopened);
        EXPECT_TRUE(std::equal(original.heldSettings().begin(), original.heldSettings().end(),
                               reopened.heldSettings().begin()));

        ASSERT_EQ(1, SaveDatabaseFile(reopened, second.string()));
        const Bytes a = readFile(first);
        ASSERT_EQ(kChannelFileSize, a.size());
        EXPECT_TRUE(a == readFile(second)) << "seed " << seed;
    }
}

TEST_F(DatabaseFilesTest, OpenedFileBecomesCurrentWithModelOneAndNothingModified) {
    makeEditedDatabase();
    const fs::path path = folder / "saved.bin";
    ASSERT_EQ(1, SaveDatabaseFile(db, path.string()));

    ChannelDatabase other;
    ASSERT_EQ(1, StartLikeEditor(other, 2025));
    other.setModified(true);
    TraceCapture trace;
    const OpenResult result = OpenDatabaseFile(other, path.string());
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(OpenRefusal::None, result.refusal);
    EXPECT_EQ(path.string(), other.currentPath());
    EXPECT_FALSE(other.modified());
    EXPECT_EQ(1, other.receiverModel());
    EXPECT_TRUE(trace.contains("NEW model=1\n"));
    EXPECT_EQ(kChannelFileSize, other.fileBuffer().size());
}

TEST_F(DatabaseFilesTest, ChannelFileWithDamagedHeaderOpensNormally) {
    makeEditedDatabase();
    Bytes file = ChannelFileBytes(db);
    std::fill(file.begin(), file.begin() + 0x80, 0x00);
    writeFile(folder / "damaged.bin", file);

    ChannelDatabase other;
    ASSERT_EQ(1, StartLikeEditor(other, 2025));
    ASSERT_TRUE(OpenDatabaseFile(other, (folder / "damaged.bin").string()).accepted);
    expectSameLists(db, other);
}

TEST_F(DatabaseFilesTest, RefusedFilesChangeNothing) {
    makeEditedDatabase();
    const DatabaseState before(db);

    struct Case {
        const char* name;
        Bytes bytes;
        OpenRefusal refusal;
    };
    SdxLine line;
    const std::vector<Case> cases = {
        {"short.bin", Bytes(kChannelFileSize - 1, 0xFF), OpenRefusal::WrongLength},
        {"long.bin", Bytes(kChannelFileSize + 1, 0xFF), OpenRefusal::WrongLength},
        {"empty.bin", Bytes{}, OpenRefusal::WrongLength},
        {"broken.sdx", textBytes(line.text() + "\r\n" + line.text() + "\nnot a record\n"), OpenRefusal::NotAccepted},
    };
    for (const Case& c : cases) {
        writeFile(folder / c.name, c.bytes);
        const OpenResult result = OpenDatabaseFile(db, (folder / c.name).string());
        EXPECT_FALSE(result.accepted) << c.name;
        EXPECT_EQ(c.refusal, result.refusal) << c.name;
        EXPECT_TRUE(DatabaseState(db) == before) << c.name;
    }

    const OpenResult missing = OpenDatabaseFile(db, (folder / "missing.bin").string());
    EXPECT_EQ(OpenRefusal::CannotRead, missing.refusal);
    const OpenResult directory = OpenDatabaseFile(db, folder.string());
    EXPECT_EQ(OpenRefusal::CannotRead, directory.refusal);
    EXPECT_TRUE(DatabaseState(db) == before);
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(DatabaseFilesTest, TextListsOfAnyLengthGoToTheirReaders) {
    const fs::path sdx = folder / "list.sdx";
    SdxLine line;
    writeFile(sdx, textBytes(line.text() + "\r\n"));
    const OpenResult satcodx = OpenDatabaseFile(db, sdx.string());
    ASSERT_TRUE(satcodx.accepted);
    EXPECT_EQ(FileReader::Satcodx, satcodx.reader);
    EXPECT_EQ(1, satcodx.import.channels);
    EXPECT_EQ(1u, listPks(db, ListKind::Tuner1Tv).size());
    // An imported text list is no current file; Save as offers its name as a channel file.
    EXPECT_EQ("", db.currentPath());
    EXPECT_EQ(sdx.string(), db.importedPath());
    EXPECT_EQ((folder / "list.bin").string(), SaveAsOffer(db));

    const fs::path dat = folder / "list.dat";
    writeFile(dat, textBytes(":SAT \"Nordlys\" 48\n:TRP 1 11727 27500 70 V\n:CHN \"Kanal\" 1101 R\n"));
    const OpenResult list = OpenDatabaseFile(db, dat.string());
    ASSERT_TRUE(list.accepted);
    EXPECT_EQ(FileReader::ChannelList, list.reader);
    EXPECT_EQ(1u, listPks(db, ListKind::Tuner1Radio).size());
    EXPECT_TRUE(listPks(db, ListKind::Tuner1Tv).empty()); // the SATCODX channel went with the new database
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(DatabaseFilesTest, ChannelFileLengthFilesAreRecognisedByTheirFirstBytes) {
    SdxLine line;
    std::string sdx = line.text() + "\n";
    sdx.resize(kChannelFileSize, ' ');
    writeFile(folder / "padded.sdx", textBytes(sdx));
    // The SATCODX reader refuses what follows the first record, so the channel file reader takes it.
    const OpenResult padded = OpenDatabaseFile(db, (folder / "padded.sdx").string());
    ASSERT_TRUE(padded.accepted);
    EXPECT_EQ(FileReader::ChannelFile, padded.reader);
    EXPECT_TRUE(listPks(db, ListKind::Tuner1Tv).empty());

    // One record stretched to the whole length: its line end is the file's last byte.
    std::string good = line.text();
    good.resize(kChannelFileSize - 1, ' ');
    good += '\n';
    writeFile(folder / "full.sdx", textBytes(good));
    const OpenResult full = OpenDatabaseFile(db, (folder / "full.sdx").string());
    ASSERT_TRUE(full.accepted);
    EXPECT_EQ(FileReader::Satcodx, full.reader);

    std::string dat = ":SAT \"Nordlys\" 48\n";
    dat.resize(kChannelFileSize, ' ');
    writeFile(folder / "padded.dat", textBytes(dat));
    const OpenResult list = OpenDatabaseFile(db, (folder / "padded.dat").string());
    ASSERT_TRUE(list.accepted);
    EXPECT_EQ(FileReader::ChannelList, list.reader);
    EXPECT_EQ("Nordlys", db.satellite(0).name());
}

TEST_F(DatabaseFilesTest, ImportReportsRecordsThatDidNotFit) {
    writeFile(folder / "many.dat", textBytes(channelListWithSatellites(66)));
    const OpenResult result = OpenDatabaseFile(db, (folder / "many.dat").string());
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(64, result.import.satellites);
    EXPECT_EQ(2, result.import.recordsNotFitted);
}

TEST(SaveAsOffer, CurrentFileElseTheImportedNameAsAChannelFile) {
    struct Case {
        const char *current, *imported, *offer;
    };
    for (const Case& c : {Case{"", "", ""}, Case{"/d/cur.bin", "/d/x.sdx", "/d/cur.bin"},
                          Case{"", "/d/x.sdx", "/d/x.bin"}, Case{"", "/a.b/list", "/a.b/list.bin"}}) {
        ChannelDatabase db;
        db.setCurrentPath(c.current);
        db.setImportedPath(c.imported);
        EXPECT_EQ(c.offer, SaveAsOffer(db)) << c.imported;
    }
}

TEST_F(DatabaseFilesTest, SaveAsKeepsTheCurrentPathAndClearsTheModifiedFlag) {
    makeEditedDatabase();
    const std::string current = db.currentPath();
    ASSERT_EQ(1, SaveDatabaseFile(db, (folder / "copy.bin").string()));
    EXPECT_EQ(current, db.currentPath());
    EXPECT_FALSE(db.modified());
    EXPECT_EQ((std::vector<std::string>{"copy.bin"}), folderEntries());
}

TEST_F(DatabaseFilesTest, SaveReplacesAnOldFile) {
    makeEditedDatabase();
    const fs::path path = folder / "old.bin";
    writeFile(path, textBytes("old contents"));
    ASSERT_EQ(1, SaveDatabaseFile(db, path.string()));
    EXPECT_EQ(ChannelFileBytes(db), readFile(path));
    EXPECT_EQ((std::vector<std::string>{"old.bin"}), folderEntries());
}

TEST_F(DatabaseFilesTest, SaveOverADirectoryFailsAndChangesNothing) {
    makeEditedDatabase();
    const fs::path target = folder / "target.bin";
    fs::create_directory(target);
    writeFile(target / "inside", textBytes("x"));
    EXPECT_EQ(0, SaveDatabaseFile(db, target.string()));
    EXPECT_TRUE(db.modified());
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(textBytes("x"), readFile(target / "inside"));
    EXPECT_EQ((std::vector<std::string>{"target.bin"}), folderEntries());
    EXPECT_EQ(0, SaveDatabaseFile(db, (folder / "no-such-folder" / "x.bin").string()));
    EXPECT_TRUE(db.modified());
}

TEST_F(DatabaseFilesTest, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    makeEditedDatabase();
    const fs::path path = folder / "old.bin";
    writeFile(path, textBytes("old contents"));
    const bool root = ::geteuid() == 0;
    // Root writes anywhere; the save runs as an ordinary user who owns the file but may not write the folder.
    if (root) {
        ASSERT_EQ(0, ::chown(folder.c_str(), kNobody, kNobody));
        ASSERT_EQ(0, ::chown(path.c_str(), kNobody, kNobody));
    }
    fs::permissions(folder,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EXIT(exitAfterFailingSave(db, path, root), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(textBytes("old contents"), readFile(path));
    EXPECT_EQ((std::vector<std::string>{"old.bin"}), folderEntries());
}

TEST_F(DatabaseFilesTest, SaveOnAFullDiskFailsAndKeepsTheOldFile) {
    makeEditedDatabase();
    const fs::path path = folder / "old.bin";
    writeFile(path, textBytes("old contents"));
    EXPECT_EXIT((limitFileSize(0x10000), exitAfterFailingSave(db, path, false)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(textBytes("old contents"), readFile(path));
    EXPECT_EQ((std::vector<std::string>{"old.bin"}), folderEntries());
}

TEST_F(DatabaseFilesTest, SaveRefusesAnOldFileItMayNotWrite) {
    makeEditedDatabase();
    const fs::path path = folder / "old.bin";
    writeFile(path, textBytes("old contents"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::others_read);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(0, ::chown(path.c_str(), kNobody, kNobody));
    }
    EXPECT_EXIT(exitAfterFailingSave(db, path, root), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(textBytes("old contents"), readFile(path));
}

TEST_F(DatabaseFilesTest, RealSatcodxSampleOpensAndSavesAsAChannelFile) {
    const std::string sample = std::string(VORLANE_TESTDATA_DIR) + "/silva_schneider.sdx";
    if (!fs::exists(sample))
        GTEST_SKIP() << "sample file not present";
    const OpenResult result = OpenDatabaseFile(db, sample);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(FileReader::Satcodx, result.reader);
    EXPECT_EQ(0, result.import.recordsNotFitted);

    const fs::path saved = folder / "astra.bin";
    ASSERT_EQ(1, SaveDatabaseFile(db, saved.string()));
    ChannelDatabase reopened;
    ASSERT_EQ(1, StartLikeEditor(reopened, 2025));
    ASSERT_TRUE(OpenDatabaseFile(reopened, saved.string()).accepted);

    EXPECT_EQ("Astra 1 (19.2E)", reopened.satellite(0).name());
    int transponders = 0;
    for (int i = 0; i < kTransponderCount; ++i)
        transponders += reopened.transponder(i).isFree() ? 0 : 1;
    EXPECT_EQ(91, transponders); // the records share their transponders
    const std::vector<int> tv = listPks(reopened, ListKind::Tuner1Tv);
    const std::vector<int> radio = listPks(reopened, ListKind::Tuner1Radio);
    EXPECT_EQ(948u, tv.size());
    EXPECT_EQ(160u, radio.size());
    EXPECT_TRUE(std::is_sorted(tv.begin(), tv.end())); // file order
    EXPECT_TRUE(std::is_sorted(radio.begin(), radio.end()));
    EXPECT_TRUE(listPks(reopened, ListKind::Tuner2Tv).empty());
    bool found = false;
    for (int pk : tv)
        found = found || reopened.channelOfPk(pk).name() == "Das Erste HD";
    EXPECT_TRUE(found);
    EXPECT_TRUE(verifyLists(reopened));
}
