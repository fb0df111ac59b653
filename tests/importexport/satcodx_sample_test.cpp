// The real SATCODX sample: 1108 records on 91 transponders of one satellite, Latin-1 names, lines ending in a line
// feed.

#include "importexport/satcodx_importer.h"

#include "import_test_util.h"
#include "support/list_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr int kSampleRecords = 1108;
constexpr int kSampleRadio = 160;
constexpr int kSampleTransponders = 91;

std::vector<std::uint8_t> readSample() {
    std::ifstream in(std::string(VORLANE_TESTDATA_DIR) + "/silva_schneider.sdx", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SatcodxSample : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        sample = readSample();
        if (sample.empty())
            GTEST_SKIP() << "sample file not present";
    }

    std::vector<std::uint8_t> sample;
};

} // namespace

TEST_F(SatcodxSample, ImportsEveryRecordOntoTunerOneInFileOrder) {
    const ImportResult result = SatcodxImporter::Read(db, sample);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(1, result.satellites);
    EXPECT_EQ(kSampleTransponders, result.transponders);
    EXPECT_EQ(kSampleRecords, result.channels);
    EXPECT_EQ(0, result.recordsNotFitted);

    db.BuildAllLists();
    EXPECT_TRUE(verifyLists(db));

    const std::vector<int> tv = listPks(db, ListKind::Tuner1Tv);
    const std::vector<int> radio = listPks(db, ListKind::Tuner1Radio);
    ASSERT_EQ(static_cast<std::size_t>(kSampleRecords - kSampleRadio), tv.size());
    ASSERT_EQ(static_cast<std::size_t>(kSampleRadio), radio.size());
    EXPECT_TRUE(std::is_sorted(tv.begin(), tv.end()));
    EXPECT_TRUE(std::is_sorted(radio.begin(), radio.end()));
    EXPECT_EQ(805, radio.front());
    EXPECT_TRUE(listPks(db, ListKind::Tuner2Tv).empty());

    std::vector<int> fileOrder(kSampleTransponders);
    std::iota(fileOrder.begin(), fileOrder.end(), 0);
    EXPECT_EQ(fileOrder, listPks(db, ListKind::SatelliteTransponders, 0));
    EXPECT_EQ(tv, listPks(db, ListKind::TvBySatellite, 0));
}

TEST_F(SatcodxSample, KnownRecordsCarryTheirFields) {
    ASSERT_TRUE(SatcodxImporter::Read(db, sample).accepted);

    EXPECT_EQ("Astra 1 (19.2E) ", db.satellite(0).name());
    EXPECT_EQ("SAT_02", db.satellite(1).name());

    const ConstTransponderRecord first = db.transponder(0);
    EXPECT_EQ("PRE", first.networkName());
    EXPECT_EQ(11303, first.frequency());
    EXPECT_EQ(22000, first.symbolRate());
    EXPECT_EQ(1, first.networkId());
    EXPECT_EQ(1007, first.transportStreamId());
    EXPECT_EQ(static_cast<unsigned>(kPolarisationHorizontal), first.tuning().polarisation());
    EXPECT_EQ(0u, first.satelliteLink().index());

    EXPECT_EQ("ORF1 HD", db.channel(0).name());
    EXPECT_EQ(4911, db.channel(0).programNumber());
    EXPECT_EQ("Das Erste HD", db.channel(12).name());
    EXPECT_EQ(10301, db.channel(12).programNumber());
    EXPECT_EQ(1019, db.transponder(static_cast<int>(db.channel(12).transponderLink(0).index())).transportStreamId());

    const ConstChannelRecord regenbogen = db.channel(1095);
    EXPECT_EQ("Regenbogen 2", regenbogen.name());
    EXPECT_EQ(1, regenbogen.serviceType());
    EXPECT_EQ(38u, regenbogen.transponderLink(0).index()); // shared with channels before it
    EXPECT_EQ(static_cast<unsigned>(kSampleRadio - 1), regenbogen.mainLink(0).key());

    EXPECT_EQ("Oberpfalz TV HD", db.channel(kSampleRecords - 1).name());
    EXPECT_TRUE(db.channel(kSampleRecords).isFree());
    EXPECT_TRUE(db.transponder(kSampleTransponders).isFree());
}

TEST_F(SatcodxSample, LatinOneNameBytesAreKept) {
    ASSERT_TRUE(SatcodxImporter::Read(db, sample).accepted);
    EXPECT_EQ("SAT.1 Gold \xd6sterreic", db.channel(9).name());
}

TEST_F(SatcodxSample, CarriageReturnLineEndsImportTheSame) {
    std::vector<std::uint8_t> crlf;
    for (const std::uint8_t c : sample) {
        if (c == '\n')
            crlf.push_back('\r');
        crlf.push_back(c);
    }
    const ImportResult result = SatcodxImporter::Read(db, crlf);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(kSampleRecords, result.channels);
}
