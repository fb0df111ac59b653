#include "importexport/text_exporter.h"

#include "support/record_builders.h"
#include "support/sample_database.h"
#include "support/scratch_folder.h"

#include "import_test_util.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <tuple>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

// Reaches every coded column, both tuners, full-width names, Latin-1 and three favourite groups, the last included.
// Coded words whole: LNB switch tone | power << 1 | DiSEqC type << 3 | port << 7 | cable compensation << 12 | tone
// burst << 13; tuning polarisation | FEC << 2 | free-to-air << 6; service scrambled | audio PIDs << 11 | selected << 14
// | mode << 17.
void BuildSmallDatabase(ChannelDatabase& db) {
    db.AllocateTables();

    PutSatellite(db, 0, "Orbis 19.2E", SatelliteRecord::kLnbTypeUniversal, 1);
    const SatelliteRecord orbis = db.Satellite(0);
    LnbSwitchWord lnb(1 | 2 << 1 | 2 << 3 | 3 << 7 | 1 << 13);
    lnb.SetCableCompensation(1);
    orbis.SetLnbSwitch(TunerSide::First, lnb);
    orbis.SetTunerConnection(1);
    orbis.SetMotorIndex(5);

    PutSatellite(db, 1, "Helion 13.0E", 0, 0);

    PutSatellite(db, 2, "Sixteen-byte-sat", 2, 2);
    db.Satellite(2).SetLnbSwitch(TunerSide::First,
                                 LnbSwitchWord(1 << 1 | 12 << 3 | 2 << 13)); // a DiSEqC type without a name
    // Satellite, test channel, name, frequency and polarisation code (7 has no name).
    // clang-format off
    const std::tuple<int, int, const char*, int, int> testChannels[] = {
        {0, 0, "Test Eins", 11494, 1}, {0, 1, "Twenty bytes of name", 12603, 7}, {0, 2, "", 0, 0},
        {1, 0, "Uno", 10992, 2}, {1, 1, "Due", 11013, 1}, {1, 2, "Tre", 11034, 0},
        {2, 0, "", 0, 0}, {2, 1, "", 0, 0}, {2, 2, "", 0, 0}};
    // clang-format on
    for (const auto& [satellite, k, name, frequency, polarisation] : testChannels) {
        const SatelliteRecord sat = db.Satellite(satellite);
        sat.SetTestChannelName(k, name);
        sat.SetTestChannelFrequency(k, static_cast<std::uint16_t>(frequency));
        sat.SetTestChannelSymbolRate(k, frequency ? 27500 : 0);
        sat.SetTestChannelPolarisation(k, static_cast<std::uint16_t>(polarisation));
        sat.SetTestChannelVideoPid(k, frequency ? 101 : 0);
        sat.SetTestChannelAudioPid(k, frequency ? 102 : 0);
        sat.SetTestChannelPcrPid(k, frequency ? 101 : 0);
    }

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

    PutChannel(db, 9, {ServiceType::Tv, 1, true, false, 2, 0, false, 7}); // the last favourite group

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
        WriteText(golden, listing);
        GTEST_SKIP() << "golden listing rewritten";
    }
    const std::string expected = FileText(golden);
    EXPECT_TRUE(expected == listing)
        << "first difference at byte "
        << std::mismatch(expected.begin(), expected.end(), listing.begin(), listing.end()).first - expected.begin();
    EXPECT_EQ(listing, TextExporter(db).Listing());

    const ScratchFolder scratch("vorlane-export");
    const fs::path target = scratch.Path() / "channels.txt";
    std::FILE* file = std::fopen(target.c_str(), "w");
    ASSERT_EQ(1, TextExporter(db).Write(file));
    std::fclose(file);
    EXPECT_TRUE(FileText(target) == listing);
    std::FILE* readOnly = std::fopen("/dev/null", "r");
    EXPECT_EQ(0, TextExporter(db).Write(readOnly));
    std::fclose(readOnly);
    WriteText(target, "before");
    ASSERT_EQ(1, TextExporter(db).Export(target.string()));
    EXPECT_TRUE(FileText(target) == listing);
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

// Five-digit numbers on a full database: no value overflows its column, one row per channel node.
TEST(TextExportLayout, FullDatabaseGivesOneRowOfFullWidthPerChannel) {
    ChannelDatabase db;
    ASSERT_GT(MakeSampleDatabase(db, FullSampleOptions()), 0);
    std::istringstream listing(TextExporter(db).Listing());
    std::string line;
    const auto next = [&] { return std::getline(listing, line) && (line.pop_back(), true); }; // drops the \r
    while (next() && line != "<Channel List>") {
    }
    next(); // the two heading lines
    next();
    std::size_t rows = 0;
    for (; next() && !line.empty(); ++rows)
        EXPECT_EQ(431u, line.size()) << line;
    EXPECT_EQ(10000u, rows);
}
