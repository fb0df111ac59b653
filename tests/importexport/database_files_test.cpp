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
#include <filesystem>
#include <fstream>
#include <iterator>
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

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ExampleText(const std::string& name) {
    std::ifstream in(std::string(VORLANE_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes TextBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

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
        ASSERT_EQ(1, StartLikeEditor(m_db, 2025));
    }
    void TearDown() override { fs::permissions(mFolder, fs::perms::owner_all, fs::perm_options::add); }

    // A database with contents, as if opened from "old.bin" and then edited.
    void MakeEditedDatabase() {
        ASSERT_GT(MakeSampleDatabase(m_db, 3, 6, 80, 300), 0);
        m_db.SetCurrentPath((mFolder / "old.bin").string());
        m_db.SetModified(true);
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(mFolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

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

// A damaged header does not stop a channel file from opening.
TEST_F(DatabaseFilesTest, FullDatabasesRoundTripByteForByte) {
    for (std::uint32_t seed : {1u, 2u}) {
        ChannelDatabase original;
        ASSERT_GT(MakeSampleDatabase(original, FullSampleOptions(seed)), 0);
        const fs::path first = mFolder / "first.bin";
        const fs::path second = mFolder / "second.bin";
        ASSERT_EQ(1, SaveDatabaseFile(original, first.string()));

        ChannelDatabase reopened;
        ASSERT_EQ(1, StartLikeEditor(reopened, 2025));
        reopened.SetModified(true);
        TraceCapture trace;
        const OpenResult opened = OpenDatabaseFile(reopened, first.string());
        ASSERT_TRUE(opened.accepted);
        EXPECT_EQ(first.string(), reopened.CurrentPath());
        EXPECT_FALSE(reopened.Modified());
        EXPECT_EQ(1, reopened.ReceiverModel());
        EXPECT_TRUE(trace.Contains("NEW model=1\n"));
        EXPECT_EQ(kChannelFileSize, reopened.FileBuffer().size());
        EXPECT_TRUE(VerifyLists(reopened));
        ExpectSameLists(original, reopened);
        EXPECT_TRUE(std::equal(original.HeldSettings().begin(), original.HeldSettings().end(),
                               reopened.HeldSettings().begin()));

        ASSERT_EQ(1, SaveDatabaseFile(reopened, second.string()));
        Bytes a = ReadFile(first);
        ASSERT_EQ(kChannelFileSize, a.size());
        EXPECT_TRUE(a == ReadFile(second)) << "seed " << seed;

        std::fill(a.begin(), a.begin() + 0x80, 0x00);
        WriteFile(first, a);
        ChannelDatabase damaged;
        ASSERT_EQ(1, StartLikeEditor(damaged, 2025));
        ASSERT_TRUE(OpenDatabaseFile(damaged, first.string()).accepted);
        ExpectSameLists(original, damaged);
    }
}

TEST_F(DatabaseFilesTest, RefusedFilesChangeNothing) {
    MakeEditedDatabase();
    const auto before = StateOf(m_db);

    // The file's name and bytes (none written for "missing.bin" and the folder itself), and the refusal.
    const std::string line = SdxLine{}.Text();
    const std::tuple<const char*, Bytes, OpenRefusal> cases[] = {
        {"short.bin", Bytes(kChannelFileSize - 1, 0xFF), OpenRefusal::WrongLength},
        {"long.bin", Bytes(kChannelFileSize + 1, 0xFF), OpenRefusal::WrongLength},
        {"empty.bin", Bytes{}, OpenRefusal::WrongLength},
        {"short-mark.sdx", TextBytes("SATCODX10"), OpenRefusal::WrongLength}, // no text list: marks are exact
        {"lower-case.dat", TextBytes(":sat \"x\" 1"), OpenRefusal::WrongLength},
        {"broken.sdx", TextBytes(line + "\r\n" + line + "\nnot a record\n"), OpenRefusal::NotAccepted},
        {"missing.bin", Bytes{}, OpenRefusal::CannotRead},
        {"", Bytes{}, OpenRefusal::CannotRead},
    };
    for (const auto& [name, bytes, refusal] : cases) {
        SCOPED_TRACE(name);
        const fs::path path = mFolder / name;
        if (refusal != OpenRefusal::CannotRead)
            WriteFile(path, bytes);
        const OpenResult result = OpenDatabaseFile(m_db, path.string());
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(refusal, result.refusal);
        EXPECT_TRUE(StateOf(m_db) == before);
    }
    EXPECT_TRUE(VerifyLists(m_db));
}

// A file of the channel file's length that the SATCODX reader refuses after its first record is a channel file.
TEST_F(DatabaseFilesTest, EachFileGoesToTheReaderThatTakesIt) {
    const std::string sdx = SdxLine{}.Text();
    std::string padded = sdx + "\n";
    padded.resize(kChannelFileSize, ' ');
    std::string stretched = sdx; // one record whose line end is the file's last byte
    stretched.resize(kChannelFileSize - 1, ' ');
    std::string paddedList = ":SAT \"Nordlys\" 48\n";
    paddedList.resize(kChannelFileSize, ' ');

    struct Case {
        const char* name;
        std::string text;
        FileReader reader;
        std::size_t tv, radio, data;
        int satellites, channels;
        const char* firstSatellite; // nullptr: not checked
    };
    // clang-format off
    const Case cases[] = {
        {"list.sdx", sdx + "\r\n", FileReader::Satcodx, 1, 0, 0, 1, 1, "Testsat 1 (9.9E)"},
        {"list.dat", ":SAT \"Nordlys\" 48\n:TRP 1 11727 27500 70 V\n:CHN \"Kanal\" 1101 R\n", FileReader::ChannelList, 0, 1, 0, 1, 1, "Nordlys"},
        {"padded.sdx", padded, FileReader::ChannelFile, 0, 0, 0, 0, 0, nullptr},
        {"full.sdx", stretched + "\n", FileReader::Satcodx, 1, 0, 0, 1, 1, "Testsat 1 (9.9E)"},
        {"padded.dat", paddedList, FileReader::ChannelList, 0, 0, 0, 1, 0, "Nordlys"},
        // The example files shipped for the README import completely.
        {"channels.dat", ExampleText("channels.dat"), FileReader::ChannelList, 13, 8, 1, 3, 22, nullptr},
        {"channels.sdx", ExampleText("channels.sdx"), FileReader::Satcodx, 6, 3, 1, 2, 10, nullptr},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = mFolder / c.name;
        WriteFile(path, TextBytes(c.text));
        const OpenResult result = OpenDatabaseFile(m_db, path.string());
        ASSERT_TRUE(result.accepted);
        EXPECT_EQ(c.reader, result.reader);
        // An imported text list is no current file; Save as offers its name as a channel file.
        if (c.reader == FileReader::ChannelFile) {
            EXPECT_EQ(path.string(), m_db.CurrentPath());
        } else {
            EXPECT_EQ("", m_db.CurrentPath());
            EXPECT_EQ(path.string(), m_db.ImportedPath());
            EXPECT_EQ((mFolder / path.stem()).string() + ".bin", SaveAsOffer(m_db));
        }
        EXPECT_EQ(c.satellites, result.import.satellites);
        EXPECT_EQ(c.channels, result.import.channels);
        EXPECT_EQ(c.tv, PksOf(m_db, ListKind::Tuner1Tv).size());
        EXPECT_EQ(c.radio, PksOf(m_db, ListKind::Tuner1Radio).size());
        EXPECT_EQ(c.data, PksOf(m_db, ListKind::Tuner1Data).size());
        if (c.firstSatellite) {
            EXPECT_EQ(c.firstSatellite, m_db.Satellite(0).Name());
        }
        EXPECT_TRUE(VerifyLists(m_db));
    }
}

TEST_F(DatabaseFilesTest, SaveWritesOrReplacesAndKeepsTheCurrentPath) {
    MakeEditedDatabase();
    const std::string current = m_db.CurrentPath();
    ASSERT_EQ(1, SaveDatabaseFile(m_db, (mFolder / "copy.bin").string()));
    EXPECT_EQ(current, m_db.CurrentPath());
    EXPECT_FALSE(m_db.Modified());

    const fs::path path = mFolder / "old.bin";
    WriteFile(path, TextBytes("old contents"));
    ASSERT_EQ(0, ::chmod(path.c_str(), 0640));
    m_db.SetModified(true);
    ASSERT_EQ(1, SaveDatabaseFile(m_db, path.string()));
    EXPECT_FALSE(m_db.Modified());
    struct stat info {};
    ASSERT_EQ(0, ::stat(path.c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777); // the replaced file keeps its permissions
    EXPECT_EQ(ChannelFileBytes(m_db), ReadFile(path));
    EXPECT_EQ(ReadFile(mFolder / "copy.bin"), ReadFile(path));
    EXPECT_EQ((std::vector<std::string>{"copy.bin", "old.bin"}), FolderEntries());
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
             fs::create_directory(f / "target.bin"); WriteFile(f / "target.bin" / "inside", TextBytes("x")); }},
        {"missing folder", "no-such-folder/x.bin", false, 0, [](const fs::path&, bool) {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::permissions(mFolder, fs::perms::owner_all, fs::perm_options::add);
        for (const std::string& name : FolderEntries())
            fs::remove_all(mFolder / name);
        WriteFile(mFolder / "old.bin", TextBytes("old contents"));
        c.prepare(mFolder, root);
        const std::vector<std::string> there = FolderEntries();
        const fs::path target = mFolder / c.target;
        EXPECT_EXIT(ExitAfterFailingSave(m_db, target, c.asNobody, c.sizeLimit), ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(TextBytes("old contents"), ReadFile(mFolder / "old.bin"));
        EXPECT_EQ(there, FolderEntries());
        if (fs::is_directory(mFolder / "target.bin")) {
            EXPECT_EQ(TextBytes("x"), ReadFile(mFolder / "target.bin" / "inside"));
        }
    }
}

TEST_F(DatabaseFilesTest, RealSatcodxSampleOpensAndSavesAsAChannelFile) {
    const fs::path sample = fs::path(VORLANE_TESTDATA_DIR) / "silva_schneider.sdx";
    if (!fs::exists(sample))
        GTEST_SKIP() << "sample file not present";
    const OpenResult result = OpenDatabaseFile(m_db, sample.string());
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(FileReader::Satcodx, result.reader);
    EXPECT_EQ((Counts{1, 1, 91, 1108, 0, 0}), CountsOf(result.import));
    EXPECT_TRUE(VerifyLists(m_db));

    const std::vector<int> tv = PksOf(m_db, ListKind::Tuner1Tv);
    const std::vector<int> radio = PksOf(m_db, ListKind::Tuner1Radio);
    ASSERT_EQ(948u, tv.size());
    ASSERT_EQ(160u, radio.size());
    EXPECT_TRUE(std::is_sorted(tv.begin(), tv.end()));
    EXPECT_EQ(805, radio.front());
    EXPECT_EQ(tv, PksOf(m_db, ListKind::TvBySatellite, 0));
    EXPECT_EQ("Astra 1 (19.2E) ", m_db.Satellite(0).Name());
    const ConstTransponderRecord first = m_db.Transponder(0);
    EXPECT_EQ(11303, first.Frequency());
    EXPECT_EQ(static_cast<unsigned>(kPolarisationHorizontal), first.Tuning().PolarisationCode());
    EXPECT_EQ(10301, m_db.Channel(12).ProgramNumber());
    EXPECT_EQ(38u, m_db.Channel(1095).TransponderLink(TunerSide::First).Index()); // shared with channels before it
    EXPECT_EQ(159u, m_db.Channel(1095).MainLink(TunerSide::First).Key());
    EXPECT_TRUE(m_db.Channel(1108).IsFree());

    const fs::path saved = mFolder / "astra.bin";
    ASSERT_EQ(1, SaveDatabaseFile(m_db, saved.string()));
    ChannelDatabase reopened;
    ASSERT_EQ(1, StartLikeEditor(reopened, 2025));
    ASSERT_TRUE(OpenDatabaseFile(reopened, saved.string()).accepted);
    ExpectSameLists(m_db, reopened);
    EXPECT_EQ("Astra 1 (19.2E)", reopened.Satellite(0).Name());
    EXPECT_TRUE(VerifyLists(reopened));
}
