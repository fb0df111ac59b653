// Open and Save as the editor and vorlane-cli run them.

#include "importexport/database_files.h"

#include "blockfile/channel_file.h"
#include "platform/trace.h"
#include "support/list_check.h"
#include "support/list_compare.h"
#include "support/sample_database.h"
#include "support/scratch_folder.h"

#include "import_test_util.h"

#include <csignal>
#include <cstdlib>
#include <set>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr uid_t kNobody = 65534;

// Everything an Open may change, to show that a refused one changed nothing.
auto StateOf(const ChannelDatabase& db) {
    return std::tuple(Bytes(db.SatelliteBuffer().begin(), db.SatelliteBuffer().end()),
                      Bytes(db.ChannelBuffer().begin(), db.ChannelBuffer().end()),
                      Bytes(db.HeldSettings().begin(), db.HeldSettings().end()), db.FileBuffer(), db.CurrentPath(),
                      db.Modified(), db.ReceiverModel());
}

class DatabaseFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_scratch.Valid());
        ASSERT_TRUE(StartLikeEditor(m_db, 2025));
    }
    void TearDown() override { fs::permissions(mFolder, fs::perms::owner_all, fs::perm_options::add); }

    // A database with contents, as if opened from "old.bin" and then edited.
    void MakeEditedDatabase() {
        ASSERT_GT(MakeSampleDatabase(m_db, 3, 6, 80, 300), 0);
        m_db.SetCurrentPath((mFolder / "old.bin").string());
        m_db.SetModified(true);
    }

    std::set<fs::path> FolderEntries() const { return {fs::directory_iterator(mFolder), {}}; }

    ScratchFolder m_scratch{"vorlane-files"};
    const fs::path& mFolder = m_scratch.Path();
    ChannelDatabase m_db;
};

// Exits 0 when the save failed and left the database modified; a size limit stops a write as a full disk would.
[[noreturn]] void ExitAfterFailingSave(ChannelDatabase& db, const fs::path& path, bool asNobody, rlim_t sizeLimit) {
    if (sizeLimit) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            std::_Exit(3);
    }
    if (asNobody && ::setuid(kNobody) != 0)
        std::_Exit(2);
    std::_Exit(SaveDatabaseFile(db, path.string()) == 0 && db.Modified() ? 0 : 1);
}

} // namespace

// A file of the channel file's length that the SATCODX reader refuses after its first record is a channel file;
// a damaged header does not stop a channel file from opening. Every file opened saves as a channel file that
// opens with the same lists, and a saved full database saves again byte for byte. A refused file changes nothing.
TEST_F(DatabaseFilesTest, EachFileGoesToTheReaderThatTakesItOrIsRefused) {
    const std::string sdx = SdxLine{}.Text();
    std::string padded = sdx + "\n";
    padded.resize(kChannelFileSize, ' ');
    std::string stretched = sdx; // one record whose line end is the file's last byte
    stretched.resize(kChannelFileSize - 1, ' ');
    std::string paddedList = ":SAT \"Nordlys\" 48\n";
    paddedList.resize(kChannelFileSize, ' ');
    ChannelDatabase full;
    ASSERT_GT(MakeSampleDatabase(full, FullSampleOptions()), 0);
    const Bytes fullBytes = ChannelFileBytes(full);
    std::string damaged(fullBytes.begin(), fullBytes.end());
    std::fill_n(damaged.begin(), 0x80, '\0');

    struct Case {
        const char* name;
        std::string text;
        FileReader reader;
        OpenRefusal refusal;
        std::size_t tv = 0, radio = 0, data = 0;
        int satellites = 0, transponders = 0, channels = 0;
        const char* firstSatellite = nullptr;   // nullptr: not checked
        const ChannelDatabase* saved = nullptr; // the database the file was saved from
        bool savesAsItWas = false;
    };
    // clang-format off
    const Case cases[] = {
        {"list.sdx", sdx + "\r\n", FileReader::Satcodx, {}, 1, 0, 0, 1, 1, 1, "Testsat 1 (9.9E)"},
        {"list.dat", ":SAT \"Nordlys\" 48\n:TRP 1 11727 27500 70 V\n:CHN \"Kanal\" 1101 R\n", FileReader::ChannelList, {}, 0, 1, 0, 1, 1, 1, "Nordlys"},
        {"padded.sdx", padded, FileReader::ChannelFile, {}, 0, 0, 0, 0, 0, 0, nullptr},
        {"full.sdx", stretched + "\n", FileReader::Satcodx, {}, 1, 0, 0, 1, 1, 1, "Testsat 1 (9.9E)"},
        {"padded.dat", paddedList, FileReader::ChannelList, {}, 0, 0, 0, 1, 0, 0, "Nordlys"},
        {"full.bin", std::string(fullBytes.begin(), fullBytes.end()), FileReader::ChannelFile, {}, 3493, 1248, 259, 0, 0, 0, nullptr, &full, true},
        {"damaged.bin", damaged, FileReader::ChannelFile, {}, 3493, 1248, 259, 0, 0, 0, nullptr, &full},
        {"short.bin", std::string(kChannelFileSize - 1, '\xFF'), FileReader::ChannelFile, OpenRefusal::WrongLength},
        {"long.bin", std::string(kChannelFileSize + 1, '\xFF'), FileReader::ChannelFile, OpenRefusal::WrongLength},
        {"empty.bin", "", FileReader::ChannelFile, OpenRefusal::WrongLength},
        {"short-mark.sdx", "SATCODX10", FileReader::ChannelFile, OpenRefusal::WrongLength}, // marks are exact
        {"lower-case.dat", ":sat \"x\" 1", FileReader::ChannelFile, OpenRefusal::WrongLength},
        {"broken.sdx", sdx + "\r\n" + sdx + "\nnot a record\n", FileReader::Satcodx, OpenRefusal::NotAccepted},
        {"missing.bin", "", FileReader::None, OpenRefusal::CannotRead},
        {"", "", FileReader::None, OpenRefusal::CannotRead}, // the folder itself
        // The example files shipped for the README import completely.
        {"channels.dat", FileText(VORLANE_EXAMPLES_DIR "/channels.dat"), FileReader::ChannelList, {}, 13, 8, 1, 3, 12, 22, nullptr},
        {"channels.sdx", FileText(VORLANE_EXAMPLES_DIR "/channels.sdx"), FileReader::Satcodx, {}, 6, 3, 1, 2, 6, 10, nullptr},
        {"real.sdx", FileText(VORLANE_TESTDATA_DIR "/silva_schneider.sdx"), FileReader::Satcodx, {}, 948, 160, 0, 1, 91, 1108, "Astra 1 (19.2E) "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.refusal == OpenRefusal::None && c.text.empty())
            continue; // the real sample is not there
        const fs::path path = mFolder / c.name;
        if (c.refusal != OpenRefusal::CannotRead)
            WriteText(path, c.text);
        m_db.SetModified(true);
        const auto before = StateOf(m_db);
        TraceCapture trace;
        const OpenResult result = OpenDatabaseFile(m_db, path.string());
        EXPECT_EQ(c.reader, result.reader);
        EXPECT_EQ(c.refusal, result.refusal);
        if (c.refusal != OpenRefusal::None) {
            EXPECT_FALSE(result.accepted);
            EXPECT_TRUE(StateOf(m_db) == before);
            continue;
        }
        ASSERT_TRUE(result.accepted);
        EXPECT_FALSE(m_db.Modified());
        EXPECT_EQ(1, m_db.ReceiverModel());
        EXPECT_TRUE(trace.Contains("NEW model=1\n"));
        EXPECT_EQ(c.text.size(), m_db.FileBuffer().size());
        // An imported text list is no current file; Save as offers its name as a channel file.
        if (c.reader == FileReader::ChannelFile) {
            EXPECT_EQ(path.string(), m_db.CurrentPath());
        } else {
            EXPECT_EQ("", m_db.CurrentPath());
            EXPECT_EQ(path.string(), m_db.ImportedPath());
            EXPECT_EQ((mFolder / path.stem()).string() + ".bin", SaveAsOffer(m_db));
            EXPECT_TRUE(result.problems.empty()); // no record an import writes points at nothing
        }
        EXPECT_EQ(c.satellites, result.import.satellites);
        EXPECT_EQ(c.transponders, result.import.transponders);
        EXPECT_EQ(c.channels, result.import.channels);
        EXPECT_EQ(c.tv, PksOf(m_db, ListKind::Tuner1Tv).size());
        EXPECT_EQ(c.radio, PksOf(m_db, ListKind::Tuner1Radio).size());
        EXPECT_EQ(c.data, PksOf(m_db, ListKind::Tuner1Data).size());
        if (c.firstSatellite) {
            EXPECT_EQ(c.firstSatellite, m_db.Satellite(0).Name());
        }
        if (std::string_view(c.name) == "real.sdx") { // fields of the real sample; 1095 shares its transponder
            EXPECT_EQ(11303, m_db.Transponder(0).Frequency());
            EXPECT_EQ(static_cast<unsigned>(kPolarisationHorizontal), m_db.Transponder(0).Tuning().PolarisationCode());
            EXPECT_EQ(10301, m_db.Channel(12).ProgramNumber());
            EXPECT_EQ(38u, m_db.Channel(1095).TransponderLink(TunerSide::First).Index());
            EXPECT_EQ(159u, m_db.Channel(1095).MainLink(TunerSide::First).Key());
            EXPECT_EQ(805, PksOf(m_db, ListKind::Tuner1Radio).front());
            EXPECT_EQ(PksOf(m_db, ListKind::Tuner1Tv), PksOf(m_db, ListKind::TvBySatellite, 0));
        }
        if (c.saved) {
            ExpectSameLists(*c.saved, m_db);
            EXPECT_TRUE(std::equal(c.saved->HeldSettings().begin(), c.saved->HeldSettings().end(),
                                   m_db.HeldSettings().begin()));
        }
        const fs::path saved = mFolder / "saved.bin";
        ASSERT_EQ(1, SaveDatabaseFile(m_db, saved.string()));
        ChannelDatabase reopened;
        ASSERT_TRUE(StartLikeEditor(reopened, 2025));
        ASSERT_TRUE(OpenDatabaseFile(reopened, saved.string()).accepted);
        ExpectSameLists(m_db, reopened);
        EXPECT_TRUE(VerifyLists(m_db));
        EXPECT_TRUE(VerifyLists(reopened));
        EXPECT_TRUE(!c.savesAsItWas || FileText(saved) == c.text);
    }
}

TEST_F(DatabaseFilesTest, SaveWritesOrReplacesAndKeepsTheCurrentPath) {
    MakeEditedDatabase();
    const std::string current = m_db.CurrentPath();
    ASSERT_EQ(1, SaveDatabaseFile(m_db, (mFolder / "copy.bin").string()));
    EXPECT_EQ(current, m_db.CurrentPath());
    EXPECT_FALSE(m_db.Modified());

    const fs::path path = mFolder / "old.bin";
    WriteText(path, "old contents");
    ASSERT_EQ(0, ::chmod(path.c_str(), 0640));
    m_db.SetModified(true);
    ASSERT_EQ(1, SaveDatabaseFile(m_db, path.string()));
    EXPECT_FALSE(m_db.Modified());
    struct stat info {};
    ASSERT_EQ(0, ::stat(path.c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777); // the replaced file keeps its permissions
    const Bytes saved = ChannelFileBytes(m_db);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), FileText(path));
    EXPECT_EQ(FileText(mFolder / "copy.bin"), FileText(path));
    EXPECT_EQ((std::set<fs::path>{mFolder / "copy.bin", path}), FolderEntries());
}

// Root writes anywhere, so where permissions matter the save runs as an ordinary user.
TEST_F(DatabaseFilesTest, FailedSavesKeepWhatWasThere) {
    MakeEditedDatabase();
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* what;
        const char* target;
        bool asNobody;
        rlim_t sizeLimit; // 0: none
        void (*prepare)(const fs::path& folder, bool root);
    };
    constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::others_read;
    // clang-format off
    const Case cases[] = {
        {"read-only folder", "old.bin", root, 0, [](const fs::path& f, bool asRoot) {
             if (asRoot) { ASSERT_EQ(0, ::chown(f.c_str(), kNobody, kNobody)); ASSERT_EQ(0, ::chown((f / "old.bin").c_str(), kNobody, kNobody)); }
             fs::permissions(f, kReadOnly | fs::perms::owner_exec | fs::perms::others_exec); }},
        {"full disk", "old.bin", false, 0x10000, [](const fs::path&, bool) {}},
        {"read-only old file", "old.bin", root, 0, [](const fs::path& f, bool asRoot) {
             fs::permissions(f / "old.bin", kReadOnly);
             if (asRoot) { ASSERT_EQ(0, ::chown((f / "old.bin").c_str(), kNobody, kNobody)); } }},
        {"folder in the way", "target.bin", false, 0, [](const fs::path& f, bool) {
             fs::create_directory(f / "target.bin"); WriteText(f / "target.bin" / "inside", "x"); }},
        {"missing folder", "no-such-folder/x.bin", false, 0, [](const fs::path&, bool) {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::permissions(mFolder, fs::perms::owner_all, fs::perm_options::add);
        for (const fs::path& entry : FolderEntries())
            fs::remove_all(entry);
        WriteText(mFolder / "old.bin", "old contents");
        c.prepare(mFolder, root);
        const std::set<fs::path> there = FolderEntries();
        EXPECT_EXIT(ExitAfterFailingSave(m_db, mFolder / c.target, c.asNobody, c.sizeLimit),
                    ::testing::ExitedWithCode(0), "");
        EXPECT_EQ("old contents", FileText(mFolder / "old.bin"));
        EXPECT_EQ(there, FolderEntries());
        if (fs::is_directory(mFolder / "target.bin")) {
            EXPECT_EQ("x", FileText(mFolder / "target.bin" / "inside"));
        }
    }
}
