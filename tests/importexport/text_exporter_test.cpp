#include "importexport/text_exporter.h"

#include "database/channel_database.h"
#include "database/table_layout.h"
#include "support/record_builders.h"
#include "support/sample_database.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void setTestChannel(SatelliteRecord sat, int k, const char* name, int frequency, int polarisation) {
    sat.setTestChannelName(k, name);
    sat.setTestChannelFrequency(k, static_cast<std::uint16_t>(frequency));
    sat.setTestChannelSymbolRate(k, frequency ? 27500 : 0);
    sat.setTestChannelPolarisation(k, static_cast<std::uint16_t>(polarisation));
    sat.setTestChannelVideoPid(k, frequency ? 101 : 0);
    sat.setTestChannelAudioPid(k, frequency ? 102 : 0);
    sat.setTestChannelPcrPid(k, frequency ? 101 : 0);
}

// Three satellites, three transponders and seven channels that together reach every word of the
// coded columns, both tuner sides, names filling their fields, Latin-1 bytes and two favourite groups.
void buildSmallDatabase(ChannelDatabase& db) {
    db.AllocateTables();

    putSatellite(db, 0, "Orbis 19.2E", SatelliteRecord::kLnbTypeUniversal, 1);
    const SatelliteRecord orbis = db.satellite(0);
    LnbSwitchWord lnb;
    lnb.setToneFlag(1);
    lnb.setLnbPower(2);
    lnb.setDiseqcType(2);
    lnb.setDiseqcPort(3);
    lnb.setCableCompensation(1);
    lnb.setToneBurst(1);
    orbis.setLnbSwitch(0, lnb);
    orbis.setLnbSwitch(1, LnbSwitchWord(0)); // never listed, even on tuner 2
    orbis.setTunerConnection(1);
    orbis.setMotorIndex(5);
    setTestChannel(orbis, 0, "Test Eins", 11494, 1);
    setTestChannel(orbis, 1, "Twenty bytes of name", 12603, 7);
    setTestChannel(orbis, 2, "", 0, 0);

    putSatellite(db, 1, "Helion 13.0E", 0, 0);
    const SatelliteRecord helion = db.satellite(1);
    setTestChannel(helion, 0, "Uno", 10992, 2);
    setTestChannel(helion, 1, "Due", 11013, 1);
    setTestChannel(helion, 2, "Tre", 11034, 0);

    putSatellite(db, 2, "Sixteen-byte-sat", 2, 2);
    const SatelliteRecord sixteen = db.satellite(2);
    LnbSwitchWord unnamedDiseqc;
    unnamedDiseqc.setDiseqcType(12);
    unnamedDiseqc.setLnbPower(1);
    unnamedDiseqc.setToneBurst(2);
    sixteen.setLnbSwitch(0, unnamedDiseqc);
    for (int k = 0; k < SatelliteRecord::kTestChannelCount; ++k)
        setTestChannel(sixteen, k, "", 0, 0);

    putTransponder(db, 0, 0, 11494, 1, 0);
    putTransponder(db, 1, 0, 12188, 3, 1);
    TuningWord noFec = db.transponder(1).tuning();
    noFec.setFec(6);
    noFec.setFreeToAirOnly(true);
    db.transponder(1).setTuning(noFec);
    db.transponder(1).setNetworkName("Fourteen chars");
    putTransponder(db, 5, 1, 10992, 2, 2);
    TuningWord autoFec = db.transponder(5).tuning();
    autoFec.setFec(5);
    db.transponder(5).setTuning(autoFec);
    db.transponder(5).setNetworkName("R\xF6hre");
    db.transponder(5).setSatelliteLink(LinkWord().withIndex(1).withKey(0));

    putChannel(db, 0, {ServiceType::Tv, 0, true, false, 1, 0, false, 0});
    db.channel(0).setName("Das Erste HD");

    putChannel(db, 1, {ServiceType::Tv, 0, true, true, 0, 1, true, 0});
    const ChannelRecord both = db.channel(1);
    both.setName("Both Tuners");
    both.setTeletextPid(0x320);
    both.setAc3Pid(0x330);
    both.setAudioPid(1, 0x201);
    AudioLanguages languages;
    for (int i = 0; i < AudioLanguages::kCount; ++i)
        languages.setLanguage(i, static_cast<unsigned>(3 * i + 1));
    both.setAudioLanguages(languages);
    ServiceWord tuner1 = both.serviceWord(0);
    tuner1.setAudioPidCount(2);
    tuner1.setSelectedAudio(1);
    tuner1.setAudioMode(3);
    both.setServiceWord(0, tuner1);
    ServiceWord tuner2 = both.serviceWord(1);
    tuner2.setAudioMode(1);
    both.setServiceWord(1, tuner2);

    putChannel(db, 3, {ServiceType::Tv, 0, false, true, 0, 0, false, -1});

    putChannel(db, 2, {ServiceType::Radio, 1, false, true, 0, 0, false, 0});
    ServiceWord right = db.channel(2).serviceWord(1);
    right.setAudioMode(2);
    db.channel(2).setServiceWord(1, right);

    putChannel(db, 7, {ServiceType::Data, 5, true, false, 0, 0, false, -1});
    db.channel(7).setName("Caf\xE9 Daten");

    putChannel(db, 8, {ServiceType::Radio, 5, true, false, 0, 0, false, 2});
    db.channel(8).setName("Radio Twenty Chars!!");

    putChannel(db, 9, {ServiceType::Tv, 1, true, false, 2, 0, false, -1});

    ASSERT_EQ(3 + 3 + 7, db.BuildAllLists());
}

void buildEmptyDatabase(ChannelDatabase& db) {
    db.AllocateTables();
    ASSERT_EQ(0, db.BuildAllLists());
}

struct GoldenCase {
    const char* file;
    void (*build)(ChannelDatabase&);
};

class GoldenListing : public ::testing::TestWithParam<GoldenCase> {};

class TemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        buildSmallDatabase(db);
        ASSERT_TRUE(scratch.valid());
    }
    void TearDown() override { fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add); }

    std::vector<fs::path> folderEntries() const { return {fs::directory_iterator(folder), fs::directory_iterator()}; }

    ChannelDatabase db;
    ScratchFolder scratch{"vorlane-export"};
    const fs::path& folder = scratch.path();
};

} // namespace

// The listing, byte for byte, of an empty database (titles, headers and dash lines only) and of a small one that
// reaches every word of the coded columns, both tuner sides, full-width names, Latin-1 bytes and two favourite
// groups; making it changes nothing in the database. Set VORLANE_UPDATE_GOLDEN=1 to rewrite the golden files after
// an intended change of the listing.
TEST_P(GoldenListing, MatchesByteForByteAndLeavesTheDatabaseAlone) {
    ChannelDatabase db;
    GetParam().build(db);
    const fs::path golden = fs::path(VORLANE_GOLDEN_DIR) / GetParam().file;
    const std::vector<std::uint8_t> satellites(db.satelliteBuffer().begin(), db.satelliteBuffer().end());
    const std::vector<std::uint8_t> channels(db.channelBuffer().begin(), db.channelBuffer().end());
    db.setModified(false);
    const std::string listing = TextExporter(db).Listing();
    if (std::getenv("VORLANE_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << listing;
        GTEST_SKIP() << "golden listing rewritten";
    }
    const std::string expected = readFile(golden);
    ASSERT_FALSE(expected.empty()) << golden;
    EXPECT_EQ(expected.size(), listing.size());
    EXPECT_TRUE(expected == listing)
        << "first difference at byte "
        << std::mismatch(expected.begin(), expected.end(), listing.begin(), listing.end()).first - expected.begin();
    EXPECT_EQ(listing, TextExporter(db).Listing());
    EXPECT_TRUE(std::equal(satellites.begin(), satellites.end(), db.satelliteBuffer().begin()));
    EXPECT_TRUE(std::equal(channels.begin(), channels.end(), db.channelBuffer().begin()));
    EXPECT_FALSE(db.modified());
}

INSTANTIATE_TEST_SUITE_P(TextExport, GoldenListing,
                         ::testing::Values(GoldenCase{"small_database.txt", buildSmallDatabase},
                                           GoldenCase{"empty_database.txt", buildEmptyDatabase}));

TEST(TextExportLayout, FullDatabaseGivesOneRowOfFullWidthPerListNode) {
    ChannelDatabase db;
    ASSERT_GT(makeSampleDatabase(db, fullSampleOptions()), 0);
    const std::vector<std::string> lines = splitLines(TextExporter(db).Listing());
    auto count = [&](ListKind kind) { return static_cast<std::size_t>(db.lists().Head(kind, 0)->count); };

    std::size_t channelRows = 0;
    std::size_t favouriteSections = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "<Channel List>") {
            for (std::size_t row = i + 3; !lines[row].empty(); ++row, ++channelRows)
                EXPECT_EQ(433u - 2u, lines[row].size()) << lines[row]; // no value overflows its column
        }
        if (lines[i].rfind("<Favorite ", 0) == 0) {
            const int group = lines[i][10] - '1';
            const std::size_t members = count(FavouriteKind(group));
            EXPECT_EQ("<Favorite " + std::to_string(group + 1) + " List=" + std::to_string(members) + ">", lines[i]);
            EXPECT_TRUE(lines[i + 3 + members].empty() && !lines[i + 2 + members].empty()) << lines[i];
            ++favouriteSections;
        }
    }
    EXPECT_EQ(count(ListKind::TvChannels) + count(ListKind::RadioChannels) + count(ListKind::DataChannels),
              channelRows);
    EXPECT_EQ(10000u, channelRows);
    EXPECT_EQ(8u, favouriteSections);
}

TEST_F(TemporaryFolder, WriteSendsTheListingToAnOpenFileAndFailsOnOneOpenForReading) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(nullptr, file);
    ASSERT_EQ(1, TextExporter(db).Write(file));
    const std::string listing = TextExporter(db).Listing();
    std::string written(listing.size() + 1, '\0');
    std::rewind(file);
    written.resize(std::fread(written.data(), 1, written.size(), file));
    std::fclose(file);
    EXPECT_TRUE(listing == written);

    std::FILE* readOnly = std::fopen("/dev/null", "r");
    ASSERT_NE(nullptr, readOnly);
    EXPECT_EQ(0, TextExporter(db).Write(readOnly));
    std::fclose(readOnly);
}

TEST_F(TemporaryFolder, ExportCreatesAndThenReplacesTheFile) {
    const fs::path target = folder / "channels.txt";
    ASSERT_EQ(1, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(readFile(target) == TextExporter(db).Listing());

    std::ofstream(target, std::ios::binary) << std::string(2000000, 'x');
    ASSERT_EQ(1, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(readFile(target) == TextExporter(db).Listing());
    EXPECT_EQ(std::vector<fs::path>{target}, folderEntries());
    EXPECT_EQ("Error Opening Write source file <" + target.string() + ">", ExportFailureText(target.string()));
}

// A failed export leaves what was there (an old file, a folder of that name, nothing) and no temporary file.
TEST_F(TemporaryFolder, FailedExportsKeepWhatWasThere) {
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path&)> prepare; // returns the target
    };
    // clang-format off
    const Case cases[] = {
        {"missing folder", [](const fs::path& f) { return f / "missing" / "channels.txt"; }},
        {"over a folder", [](const fs::path& f) {
             fs::create_directory(f / "listing.txt");
             std::ofstream(f / "listing.txt" / "kept", std::ios::binary) << "kept";
             return f / "listing.txt"; }},
        {"read-only folder", [](const fs::path& f) {
             std::ofstream(f / "channels.txt", std::ios::binary) << "old listing";
             fs::permissions(f, fs::perms::owner_write, fs::perm_options::remove);
             return f / "channels.txt"; }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (std::string(c.what) == "read-only folder" && ::geteuid() == 0)
            continue; // folder permissions do not bind the superuser
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        for (const fs::path& entry : folderEntries())
            fs::remove_all(entry);
        const fs::path target = c.prepare(folder);
        const std::vector<fs::path> there = folderEntries();
        EXPECT_EQ(0, TextExporter(db).Export(target.string()));
        EXPECT_EQ(there, folderEntries());
        if (fs::is_directory(target)) {
            EXPECT_EQ("kept", readFile(target / "kept"));
        } else if (fs::exists(target)) {
            EXPECT_EQ("old listing", readFile(target));
        }
    }
}
