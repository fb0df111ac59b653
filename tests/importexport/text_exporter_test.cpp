#include "importexport/text_exporter.h"

#include "database/channel_database.h"
#include "database/table_layout.h"
#include "support/record_builders.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

const fs::path kGoldenListing = fs::path(VORLANE_GOLDEN_DIR) / "small_database.txt";

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// The columns of one row, blanks around each value removed.
std::vector<std::string> columns(const std::string& row) {
    std::vector<std::string> values;
    std::size_t start = 0;
    for (std::size_t bar; (bar = row.find('|', start)) != std::string::npos; start = bar + 1) {
        const std::string cell = row.substr(start, bar - start);
        const std::size_t first = cell.find_first_not_of(' ');
        values.push_back(first == std::string::npos ? "" : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
    }
    return values;
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

class TextExport : public ::testing::Test {
protected:
    void SetUp() override { buildSmallDatabase(db); }

    // The rows of one section, found by its title line.
    std::vector<std::vector<std::string>> sectionRows(const std::string& title) const {
        const std::vector<std::string> lines = splitLines(TextExporter(db).Listing());
        std::vector<std::vector<std::string>> rows;
        std::size_t i = 0;
        while (i < lines.size() && lines[i] != title)
            ++i;
        for (i += 3; i < lines.size() && !lines[i].empty(); ++i)
            rows.push_back(columns(lines[i]));
        return rows;
    }

    ChannelDatabase db;
};

class TemporaryFolder : public TextExport {
protected:
    void SetUp() override {
        TextExport::SetUp();
        std::string pattern = (fs::temp_directory_path() / "vorlane-export-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        folder = pattern;
    }
    void TearDown() override {
        if (!folder.empty()) {
            fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
            fs::remove_all(folder);
        }
    }

    std::vector<fs::path> folderEntries() const { return {fs::directory_iterator(folder), fs::directory_iterator()}; }

    fs::path folder;
};

} // namespace

TEST(TextExportLayout, EmptyDatabaseGivesTitlesHeadersAndDashLinesOnly) {
    ChannelDatabase db;
    db.AllocateTables();
    ASSERT_EQ(0, db.BuildAllLists());
    const std::string listing = TextExporter(db).Listing();
    const std::vector<std::string> lines = splitLines(listing);

    ASSERT_EQ(16u, lines.size());
    EXPECT_EQ("<Satellite List>", lines[0]);
    EXPECT_EQ(414u - 3u, lines[1].size()); // the header's line end, then one blank that opens the dash line
    EXPECT_EQ(0u, lines[1].rfind("NO   | NAME                | Diseqc Motor Index |", 0));
    EXPECT_EQ(" " + std::string(414, '-'), lines[2]);
    for (int i : {3, 4, 5, 9, 10, 11})
        EXPECT_EQ("", lines[i]) << "line " << i;
    EXPECT_EQ("<Transponder List>", lines[6]);
    EXPECT_EQ(175u - 2u, lines[7].size()); // less its line end
    EXPECT_EQ(0u, lines[7].rfind("NO   | NETWORK NAME   | Freq.  |", 0));
    EXPECT_EQ(std::string(175, '-'), lines[8]);
    EXPECT_EQ("<Channel List>", lines[12]);
    EXPECT_EQ(433u - 2u, lines[13].size());
    EXPECT_EQ(0u, lines[13].rfind("CLASS | NO      | NAME                   |", 0));
    EXPECT_EQ(std::string(433, '-'), lines[14]);
    EXPECT_EQ("", lines[15]); // the listing ends with the dash line's line end
    EXPECT_EQ(std::string::npos, listing.find("Favorite"));
}

// Set VORLANE_UPDATE_GOLDEN=1 to rewrite the golden file after an intended change of the listing.
TEST_F(TextExport, SmallDatabaseMatchesGoldenListingByteForByte) {
    const std::string listing = TextExporter(db).Listing();
    if (std::getenv("VORLANE_UPDATE_GOLDEN")) {
        std::ofstream(kGoldenListing, std::ios::binary) << listing;
        GTEST_SKIP() << "golden listing rewritten";
    }
    const std::string golden = readFile(kGoldenListing);
    ASSERT_FALSE(golden.empty()) << kGoldenListing;
    EXPECT_EQ(golden.size(), listing.size());
    EXPECT_TRUE(golden == listing)
        << "first difference at byte "
        << std::mismatch(golden.begin(), golden.end(), listing.begin(), listing.end()).first - golden.begin();
}

TEST_F(TextExport, ListingReadsTheDatabaseWithoutChangingIt) {
    const std::vector<std::uint8_t> satellites(db.satelliteBuffer().begin(), db.satelliteBuffer().end());
    const std::vector<std::uint8_t> channels(db.channelBuffer().begin(), db.channelBuffer().end());
    db.setModified(false);
    const std::string first = TextExporter(db).Listing();
    EXPECT_EQ(first, TextExporter(db).Listing());
    EXPECT_TRUE(std::equal(satellites.begin(), satellites.end(), db.satelliteBuffer().begin()));
    EXPECT_TRUE(std::equal(channels.begin(), channels.end(), db.channelBuffer().begin()));
    EXPECT_FALSE(db.modified());
}

TEST_F(TextExport, RowsFollowListOrderAndTypeSections) {
    // Satellites by their list key, then transponders, then TV, data and radio channels.
    std::vector<std::string> satelliteNames;
    for (const auto& row : sectionRows("<Satellite List>"))
        satelliteNames.push_back(row[0] + " " + row[1]);
    EXPECT_EQ((std::vector<std::string>{"1 Helion 13.0E", "2 Orbis 19.2E", "3 Sixteen-byte-sat"}), satelliteNames);

    std::vector<std::string> channelOrder;
    for (const auto& row : sectionRows("<Channel List>"))
        channelOrder.push_back(row[0] + " " + row[26]);
    EXPECT_EQ(
        (std::vector<std::string>{"TV 1", "TV 0", "TV 9", "TV 5003", "TV 5001", "Data 7", "Radio 8", "Radio 5002"}),
        channelOrder);
}

TEST_F(TextExport, ChannelOnBothTunersGivesOneRowPerSideWithThatSidesFields) {
    std::vector<std::vector<std::string>> sides;
    for (const auto& row : sectionRows("<Channel List>"))
        if (row[2] == "Both Tuners")
            sides.push_back(row);
    ASSERT_EQ(2u, sides.size());
    // NO, audio PID count, selected audio, Scramble, audio_mode, PK, fav_0.
    for (const auto& [side, no, count, selected, mode, pk, fav0] :
         {std::tuple{0, "1", "2", "1", "Mono", "1", "0"}, std::tuple{1, "2", "1", "0", "Left", "5001", "1"}}) {
        const auto& row = sides[static_cast<std::size_t>(side)];
        EXPECT_EQ(no, row[1]);
        EXPECT_EQ(count, row[10]);
        EXPECT_EQ(selected, row[11]);
        EXPECT_EQ("Scrambled", row[24]);
        EXPECT_EQ(mode, row[25]);
        EXPECT_EQ(pk, row[26]);
        EXPECT_EQ(fav0, row[33]);
    }
}

TEST_F(TextExport, FavouriteSectionsOnlyForGroupsWithMembersAndClassByServiceType) {
    const std::string listing = TextExporter(db).Listing();
    EXPECT_NE(std::string::npos, listing.find("\r\n\r\n\r\n<Favorite 1 List=4>\r\nCLASS | NO"));
    EXPECT_NE(std::string::npos, listing.find("\r\n\r\n\r\n<Favorite 3 List=1>\r\nCLASS | NO"));
    for (const char* absent :
         {"<Favorite 2", "<Favorite 4", "<Favorite 5", "<Favorite 6", "<Favorite 7", "<Favorite 8"})
        EXPECT_EQ(std::string::npos, listing.find(absent)) << absent;

    std::vector<std::string> members;
    for (const auto& row : sectionRows("<Favorite 1 List=4>"))
        members.push_back(row[0] + " " + row[26]);
    EXPECT_EQ((std::vector<std::string>{"TV 1", "TV 0", "Radio 5002", "TV 5001"}), members);
    const auto group3 = sectionRows("<Favorite 3 List=1>");
    ASSERT_EQ(1u, group3.size());
    EXPECT_EQ("Radio", group3[0][0]);
}

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

TEST_F(TextExport, WriteSendsTheListingToAnOpenFile) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(nullptr, file);
    ASSERT_EQ(1, TextExporter(db).Write(file));
    const std::string listing = TextExporter(db).Listing();
    std::string written(listing.size() + 1, '\0');
    std::rewind(file);
    written.resize(std::fread(written.data(), 1, written.size(), file));
    std::fclose(file);
    EXPECT_TRUE(listing == written);
}

TEST_F(TextExport, WriteToAFileOpenForReadingFails) {
    std::FILE* file = std::fopen("/dev/null", "r");
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(0, TextExporter(db).Write(file));
    std::fclose(file);
}

TEST_F(TemporaryFolder, ExportCreatesAndThenReplacesTheFile) {
    const fs::path target = folder / "channels.txt";
    ASSERT_EQ(1, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(readFile(target) == TextExporter(db).Listing());

    std::ofstream(target, std::ios::binary) << std::string(2000000, 'x');
    ASSERT_EQ(1, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(readFile(target) == TextExporter(db).Listing());
    EXPECT_EQ(std::vector<fs::path>{target}, folderEntries());
}

TEST_F(TemporaryFolder, ExportIntoAMissingFolderFailsAndCreatesNothing) {
    const fs::path target = folder / "missing" / "channels.txt";
    EXPECT_EQ(0, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(folderEntries().empty());
    EXPECT_EQ("Error Opening Write source file <" + target.string() + ">", ExportFailureText(target.string()));
}

TEST_F(TemporaryFolder, ExportOverAFolderFailsAndLeavesItAndNoTemporaryFile) {
    const fs::path target = folder / "listing.txt";
    fs::create_directory(target);
    std::ofstream(target / "kept", std::ios::binary) << "kept";
    EXPECT_EQ(0, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ("kept", readFile(target / "kept"));
    EXPECT_EQ(std::vector<fs::path>{target}, folderEntries());
}

TEST_F(TemporaryFolder, ExportIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    const fs::path target = folder / "channels.txt";
    std::ofstream(target, std::ios::binary) << "old listing";
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(0, TextExporter(db).Export(target.string()));
    EXPECT_EQ("old listing", readFile(target));
    EXPECT_EQ(std::vector<fs::path>{target}, folderEntries());
}
