#include "importexport/text_exporter.h"

#include "support/record_builders.h"
#include "support/sample_database.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SetTestChannel(SatelliteRecord sat, int k, const char* name, int frequency, int polarisation) {
    sat.SetTestChannelName(k, name);
    sat.SetTestChannelFrequency(k, static_cast<std::uint16_t>(frequency));
    sat.SetTestChannelSymbolRate(k, frequency ? 27500 : 0);
    sat.SetTestChannelPolarisation(k, static_cast<std::uint16_t>(polarisation));
    sat.SetTestChannelVideoPid(k, frequency ? 101 : 0);
    sat.SetTestChannelAudioPid(k, frequency ? 102 : 0);
    sat.SetTestChannelPcrPid(k, frequency ? 101 : 0);
}

// Reaches every coded column, both tuners, full-width names, Latin-1 and two favourite groups. Coded words whole:
// LNB switch tone | power << 1 | DiSEqC type << 3 | port << 7 | cable compensation << 12 | tone burst << 13; tuning
// polarisation | FEC << 2 | free-to-air << 6; service scrambled | audio PIDs << 11 | selected << 14 | mode << 17.
void BuildSmallDatabase(ChannelDatabase& db) {
    db.AllocateTables();

    PutSatellite(db, 0, "Orbis 19.2E", SatelliteRecord::kLnbTypeUniversal, 1);
    const SatelliteRecord orbis = db.Satellite(0);
    LnbSwitchWord lnb(1 | 2 << 1 | 2 << 3 | 3 << 7 | 1 << 13);
    lnb.SetCableCompensation(1);
    orbis.SetLnbSwitch(TunerSide::First, lnb);
    orbis.SetTunerConnection(1);
    orbis.SetMotorIndex(5);
    SetTestChannel(orbis, 0, "Test Eins", 11494, 1);
    SetTestChannel(orbis, 1, "Twenty bytes of name", 12603, 7);
    SetTestChannel(orbis, 2, "", 0, 0);

    PutSatellite(db, 1, "Helion 13.0E", 0, 0);
    const SatelliteRecord helion = db.Satellite(1);
    SetTestChannel(helion, 0, "Uno", 10992, 2);
    SetTestChannel(helion, 1, "Due", 11013, 1);
    SetTestChannel(helion, 2, "Tre", 11034, 0);

    PutSatellite(db, 2, "Sixteen-byte-sat", 2, 2);
    const SatelliteRecord sixteen = db.Satellite(2);
    sixteen.SetLnbSwitch(TunerSide::First, LnbSwitchWord(1 << 1 | 12 << 3 | 2 << 13)); // a DiSEqC type without a name
    for (int k = 0; k < SatelliteRecord::kTestChannelCount; ++k)
        SetTestChannel(sixteen, k, "", 0, 0);

    PutTransponder(db, 0, 0, 11494, 1, 0);
    PutTransponder(db, 1, 0, 12188, 3, 1);
    db.Transponder(1).SetTuning(TuningWord(3 | 6 << 2 | 1 << 6)); // no FEC
    db.Transponder(1).SetNetworkName("Fourteen chars");
    PutTransponder(db, 5, 1, 10992, 2, 2);
    db.Transponder(5).SetTuning(TuningWord(2 | 5 << 2)); // automatic FEC
    db.Transponder(5).SetNetworkName("R\xF6hre");
    db.Transponder(5).SetSatelliteLink(LinkWord().WithIndex(1).WithKey(0));

    PutChannel(db, 0, {ServiceType::Tv, 0, true, false, 1, 0, false, 0});
    db.Channel(0).SetName("Das Erste HD");

    PutChannel(db, 1, {ServiceType::Tv, 0, true, true, 0, 1, true, 0});
    const ChannelRecord both = db.Channel(1);
    both.SetName("Both Tuners");
    both.SetTeletextPid(0x320);
    both.SetAc3Pid(0x330);
    both.SetAudioPid(1, 0x201);
    both.SetAudioLanguages(AudioLanguages(1 | 4 << 5 | 7 << 10 | 10 << 15 | 13 << 20 | 16 << 25));
    both.SetServiceWord(TunerSide::First, ServiceWord(1 | 2 << 11 | 1 << 14 | 3 << 17));
    both.SetServiceWord(TunerSide::Second, ServiceWord(1 | 1 << 11 | 1 << 17));

    PutChannel(db, 3, {ServiceType::Tv, 0, false, true, 0, 0, false, -1});

    PutChannel(db, 2, {ServiceType::Radio, 1, false, true, 0, 0, false, 0});
    db.Channel(2).SetServiceWord(TunerSide::Second, ServiceWord(1 << 11 | 2 << 17));

    PutChannel(db, 7, {ServiceType::Data, 5, true, false, 0, 0, false, -1});
    db.Channel(7).SetName("Caf\xE9 Daten");

    PutChannel(db, 8, {ServiceType::Radio, 5, true, false, 0, 0, false, 2});
    db.Channel(8).SetName("Radio Twenty Chars!!");

    PutChannel(db, 9, {ServiceType::Tv, 1, true, false, 2, 0, false, -1});

    ASSERT_EQ(3 + 3 + 7, db.BuildAllLists());
}

void BuildEmptyDatabase(ChannelDatabase& db) {
    db.AllocateTables();
    ASSERT_EQ(0, db.BuildAllLists());
}

struct GoldenCase {
    const char* file;
    void (*build)(ChannelDatabase&);
};

class GoldenListing : public ::testing::TestWithParam<GoldenCase> {};

} // namespace

// The listing goes the same to a string, an open file and an exported file; Export goes through the file
// replacement that Save uses, whose failure paths the database file tests pin. Set VORLANE_UPDATE_GOLDEN=1 to
// rewrite the golden files after an intended change of the listing.
TEST_P(GoldenListing, MatchesByteForByteEverywhereAndLeavesTheDatabaseAlone) {
    ChannelDatabase db;
    GetParam().build(db);
    const fs::path golden = fs::path(VORLANE_GOLDEN_DIR) / GetParam().file;
    const std::vector<std::uint8_t> satellites(db.SatelliteBuffer().begin(), db.SatelliteBuffer().end());
    const std::vector<std::uint8_t> channels(db.ChannelBuffer().begin(), db.ChannelBuffer().end());
    db.SetModified(false);
    const std::string listing = TextExporter(db).Listing();
    if (std::getenv("VORLANE_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << listing;
        GTEST_SKIP() << "golden listing rewritten";
    }
    const std::string expected = ReadFile(golden);
    ASSERT_FALSE(expected.empty()) << golden;
    EXPECT_EQ(expected.size(), listing.size());
    EXPECT_TRUE(expected == listing)
        << "first difference at byte "
        << std::mismatch(expected.begin(), expected.end(), listing.begin(), listing.end()).first - expected.begin();
    EXPECT_EQ(listing, TextExporter(db).Listing());

    std::FILE* file = std::tmpfile();
    ASSERT_EQ(1, TextExporter(db).Write(file));
    std::string written(listing.size() + 1, '\0');
    std::rewind(file);
    written.resize(std::fread(written.data(), 1, written.size(), file));
    std::fclose(file);
    EXPECT_TRUE(listing == written);
    std::FILE* readOnly = std::fopen("/dev/null", "r");
    EXPECT_EQ(0, TextExporter(db).Write(readOnly));
    std::fclose(readOnly);

    const ScratchFolder scratch("vorlane-export");
    const fs::path target = scratch.Path() / "channels.txt";
    ASSERT_EQ(1, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(ReadFile(target) == listing);
    EXPECT_EQ(0, TextExporter(db).Export((scratch.Path() / "missing" / "channels.txt").string()));
    EXPECT_EQ(std::vector<fs::path>{target}, std::vector<fs::path>(fs::directory_iterator(scratch.Path()), {}));
    EXPECT_EQ("Error Opening Write source file <" + target.string() + ">", ExportFailureText(target.string()));
    EXPECT_TRUE(std::equal(satellites.begin(), satellites.end(), db.SatelliteBuffer().begin()));
    EXPECT_TRUE(std::equal(channels.begin(), channels.end(), db.ChannelBuffer().begin()));
    EXPECT_FALSE(db.Modified());
}

INSTANTIATE_TEST_SUITE_P(TextExport, GoldenListing,
                         ::testing::Values(GoldenCase{"small_database.txt", BuildSmallDatabase},
                                           GoldenCase{"empty_database.txt", BuildEmptyDatabase}));

TEST(TextExportLayout, FullDatabaseGivesOneRowOfFullWidthPerListNode) {
    ChannelDatabase db;
    ASSERT_GT(MakeSampleDatabase(db, FullSampleOptions()), 0);
    const std::vector<std::string> lines = SplitLines(TextExporter(db).Listing());
    auto count = [&](ListKind kind) { return static_cast<std::size_t>(db.Lists().Head(kind, 0)->count); };

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
