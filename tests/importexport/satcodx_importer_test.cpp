#include "importexport/satcodx_importer.h"

#include "import_test_util.h"
#include "support/list_check.h"

#include <tuple>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr std::uint32_t kBit31 = 0x80000000u;

class SatcodxImport : public ImportTest {
protected:
    ImportResult Read(const std::string& text) { return SatcodxImporter::Read(m_db, BytesOf(text)); }

    static std::string Lines(const std::vector<SdxLine>& records, const std::string& lineEnd) {
        std::string text;
        for (const SdxLine& record : records)
            text += record.Text() + lineEnd;
        return text;
    }
};

// clang-format off
SdxLine RadioLine() {
    return {.satellite = "Hotbird (13.0E)", .type = 'R', .frequency = "012380", .polarisation = "0000",
            .name = "Klassik ", .symbolRate = "27500", .videoPid = "0161", .audioPid = "0084", .pcrPid = "0162",
            .programNumber = "28006", .networkId = "00318", .transportStreamId = "01093", .nameRest = "Radio Eins"};
}
// clang-format on

} // namespace

TEST_F(SatcodxImport, WritesEveryFieldOfARecordAndNothingElse) {
    EXPECT_EQ((Counts{1, 2, 2, 2, 0, 0}), CountsOf(Read(Lines({SdxLine{}, RadioLine()}, "\r"))));

    Bytes sat = InitialSatellite(1);
    std::copy_n("Hotbird (13.0E) ", 16, sat.begin()); // all 16 bytes, no NUL added
    WriteLe16(sat.data() + 0x14 + 20, 12380);         // test channel 0 frequency
    WriteLe16(sat.data() + 0x14 + 24, 2);             // code 0: Vertical
    EXPECT_EQ(sat, SatelliteNow(1));

    Bytes trp = InitialTransponder(1);
    WriteLe16(trp.data() + 0x00, 318);
    std::copy_n("PRE", 4, trp.begin() + 2); // with its NUL; the rest of the name field stays
    WriteLe16(trp.data() + 0x10, 12380);
    WriteLe16(trp.data() + 0x12, 27500);
    WriteLe16(trp.data() + 0x14, 1093);
    WriteLe32(trp.data() + 0x18, (ReadLe32(trp.data() + 0x18) & ~3u) | 2u); // Vertical
    WriteLe32(trp.data() + 0x1C, (ReadLe32(trp.data() + 0x1C) & ~0x3FFFu) | 1u);
    EXPECT_EQ(trp, TransponderNow(1));

    Bytes ch = InitialChannel(1);
    std::copy_n("Klassik Radio Eins\0\0", 20, ch.begin());
    WriteLe16(ch.data() + 0x16, 28006);
    WriteLe16(ch.data() + 0x18, 84);
    WriteLe16(ch.data() + 0x24, 161);
    WriteLe16(ch.data() + 0x26, 162);
    ch[0x38] = 1; // radio
    const std::uint32_t radioFirstKey = 0x10000000u;
    WriteLe32(ch.data() + 0x3C, (ReadLe32(ch.data() + 0x3C) & kBit31) | radioFirstKey);
    WriteLe32(ch.data() + 0x44, (ReadLe32(ch.data() + 0x44) & kBit31) | radioFirstKey);
    WriteLe32(ch.data() + 0x4C, (ReadLe32(ch.data() + 0x4C) & kBit31) | radioFirstKey | 1u);
    WriteLe32(ch.data() + 0x54, (ReadLe32(ch.data() + 0x54) & kBit31) | radioFirstKey | 1u);
    WriteLe32(ch.data() + 0x50, (ReadLe32(ch.data() + 0x50) & ~0x3FFFu) | 1u); // tuner 2: satellite index only
    ch[0x6C] = 1;
    EXPECT_EQ(ch, ChannelNow(1));

    EXPECT_EQ(InitialSatellite(2), SatelliteNow(2));
    EXPECT_EQ(InitialTransponder(2), TransponderNow(2));
    EXPECT_EQ(InitialChannel(2), ChannelNow(2));
}

TEST_F(SatcodxImport, ShortRecordKeepsEightNameBytesAndNulAndBlankFieldsKeepTheirValues) {
    // Polarisation code 9 changes neither the test channel nor the transponder polarisation.
    const SdxLine line{.polarisation = "0009",
                       .name = "Beta 1  ",
                       .symbolRate = "_____",
                       .networkId = "_____",
                       .transportStreamId = "_____"};
    ASSERT_TRUE(Read(line.Text().substr(0, 100) + "\n").accepted);

    const Bytes ch = ChannelNow(0);
    Bytes expected = InitialChannel(0);
    std::copy_n("Beta 1  ", 9, expected.begin()); // with its NUL; the rest of the name field stays
    EXPECT_TRUE(std::equal(ch.begin(), ch.begin() + 20, expected.begin()));
    EXPECT_EQ(ReadLe16(expected.data() + 0x16), ReadLe16(ch.data() + 0x16)); // program number "____"
    EXPECT_EQ(ReadLe16(expected.data() + 0x24), ReadLe16(ch.data() + 0x24));

    const ConstTransponderRecord trp = m_db.Transponder(0);
    const Bytes trpInitial = InitialTransponder(0);
    EXPECT_EQ(ReadLe16(trpInitial.data() + 0x12), trp.SymbolRate());
    EXPECT_EQ(ReadLe16(trpInitial.data() + 0x00), trp.NetworkId());
    EXPECT_EQ(ReadLe16(trpInitial.data() + 0x14), trp.TransportStreamId());
    EXPECT_EQ(ReadLe32(trpInitial.data() + 0x18), trp.Tuning().Value());
    EXPECT_EQ(ReadLe16(InitialSatellite(0).data() + 0x14 + 24), m_db.Satellite(0).TestChannelPolarisation(0));
}

TEST_F(SatcodxImport, NameContinuationIsJoinedTrailingBlanksDroppedAndBytesKept) {
    // clang-format off
    ASSERT_TRUE(Read(Lines({{.name = "Das Erst", .nameRest = "e HD"}, {.name = "ORF1 HD ", .nameRest = ""},
                            {.name = "Eurospor", .nameRest = "t 1 Deutschl"}, {.name = "SAT.1 Go", .nameRest = "ld \xd6sterreic"}},
                           "\r\n")).accepted);
    // clang-format on
    const char* const expected[] = {"Das Erste HD", "ORF1 HD", "Eurosport 1 Deutschl" /* all 20 bytes, no NUL */,
                                    "SAT.1 Gold \xd6sterreic"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(expected[i], m_db.Channel(i).Name());
    EXPECT_EQ(0, m_db.Channel(0).RecordBytes()[12]);
}

// A refused buffer keeps what was written before the fault; one refused at its first record writes nothing.
TEST_F(SatcodxImport, LineEndsAndMarksDecideWhatIsRead) {
    const std::string rec = SdxLine{}.Text();
    const std::string first = SdxLine{.name = "First   "}.Text();
    const std::string later = "  extra columns\n" + rec + "\n"; // a later version's longer record, then one of 103
    // The buffer, whether it is accepted and the channels read.
    // clang-format off
    const std::tuple<std::string, bool, int> cases[] = {
        {rec + "\r" + rec + "\r" + rec + "\r", true, 3}, {rec + "\n" + rec + "\n" + rec + "\n", true, 3},
        {rec + "\r\n" + rec + "\r\n" + rec + "\r\n", true, 3}, {rec + "\r\n" + rec + "\r\n" + rec, true, 3},
        {first + "\n\n" + rec + "\n", false, 1}, {first + "\r\r" + rec + "\n", false, 1},
        {first + "\n\r" + rec + "\n", false, 1}, {first + "\nSATCODX10" + rec + "\n", false, 1},
        {"", false, 0}, {"SATCODX10", false, 0}, {" " + rec, false, 0}, {"satcodx103" + rec.substr(10), false, 0},
        {":SAT", false, 0}, {"SATCODX104" + rec.substr(10) + later, true, 2},
        {"SATCODX105" + rec.substr(10) + later, true, 2}, {"SATCODX106" + rec.substr(10) + later, false, 0},
        {"SATCODX102" + rec.substr(10) + later, false, 0},
    };
    // clang-format on
    for (const auto& [text, accepted, channelsRead] : cases) {
        SCOPED_TRACE(text.substr(0, 20));
        Restart();
        const ImportResult result = Read(text);
        EXPECT_EQ(accepted, result.accepted);
        EXPECT_EQ(channelsRead, result.channels);
        if (channelsRead == 0) {
            EXPECT_TRUE(TablesUnchanged());
        } else {
            EXPECT_EQ(accepted ? "Alpha TV" : "First", m_db.Channel(0).Name());
        }
    }
}

TEST_F(SatcodxImport, PolarisationCodesFollowTheCodeTable) {
    // The code, then the test channel's and the transponder's polarisation (-1: unchanged).
    const std::tuple<std::string, int, int> cases[] = {{"0000", 2, 2},   {"0001", 1, 1}, {"   1", 1, 1},
                                                       {"0002", 0, 0},   {"0003", 0, 0}, {"9", -1, -1},
                                                       {"0009", -1, -1}, {"____", 2, -1}};
    for (const auto& [code, testChannel, transponder] : cases) {
        SCOPED_TRACE(code);
        Restart();
        m_db.Satellite(0).SetTestChannelPolarisation(0, 3); // a recognisable value, so that "unchanged" shows
        m_db.Transponder(0).SetTuning(TuningWord(m_db.Transponder(0).Tuning().Value() | 3u));
        ASSERT_TRUE(Read(SdxLine{.polarisation = code}.Text()).accepted);
        EXPECT_EQ(testChannel < 0 ? 3 : testChannel, m_db.Satellite(0).TestChannelPolarisation(0));
        EXPECT_EQ(transponder < 0 ? 3u : static_cast<unsigned>(transponder),
                  m_db.Transponder(0).Tuning().PolarisationCode());
    }
}

TEST_F(SatcodxImport, TruncatedRecordsAreReadOnlyAsFarAsTheyGo) {
    SdxLine line = RadioLine();
    const std::string full = line.Text();
    for (std::size_t length = 10; length <= full.size(); ++length) {
        SCOPED_TRACE(length);
        Restart();
        // Copied into a buffer of exactly that size, so reading past it would be caught by the sanitizers.
        const std::vector<std::uint8_t> buffer(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        const ImportResult result = SatcodxImporter::Read(m_db, buffer);
        EXPECT_TRUE(result.accepted);
        EXPECT_EQ(1, result.channels);
        if (length >= 39) {
            EXPECT_EQ(12380, m_db.Transponder(0).Frequency());
        }
        if (length >= 51 && length < 127) {
            EXPECT_EQ("Klassik ", m_db.Channel(0).Name().substr(0, 8));
        }
        if (length >= 102) {
            EXPECT_EQ(1093, m_db.Transponder(0).TransportStreamId());
        }
    }
}

TEST_F(SatcodxImport, RecordsShareATransponderOnlyWhenSatelliteFrequencyPolarisationAndSymbolRateAllMatch) {
    // The change to the second of three records, the transponders and those of the second and third channel.
    // Satellites group only with the previous record, by their first 16 characters.
    // clang-format off
    const std::tuple<const char*, void (*)(SdxLine&), int, unsigned, unsigned> cases[] = {
        {"same four fields", [](SdxLine&) {}, 1, 0, 0},
        {"other satellite", [](SdxLine& l) { l.satellite = "Other Sat"; }, 3, 1, 2},
        {"satellite differing after 16 characters", [](SdxLine& l) { l.satellite += "zz"; }, 1, 0, 0},
        {"other frequency", [](SdxLine& l) { l.frequency = "011304"; }, 2, 1, 0},
        {"other polarisation", [](SdxLine& l) { l.polarisation = "0000"; }, 2, 1, 0},
        {"other symbol rate", [](SdxLine& l) { l.symbolRate = "22000"; }, 2, 1, 0},
        {"other name and ids only", [](SdxLine& l) { l.name = "Beta TV "; l.transportStreamId = "00002"; }, 1, 0, 0},
    };
    // clang-format on
    for (const auto& [what, change, transponders, secondTransponder, thirdTransponder] : cases) {
        SCOPED_TRACE(what);
        Restart();
        SdxLine second;
        change(second);
        const ImportResult result = Read(Lines({SdxLine{}, second, SdxLine{}}, "\n"));
        ASSERT_TRUE(result.accepted);
        EXPECT_EQ(transponders, result.transponders);
        EXPECT_EQ(3, result.channels);
        EXPECT_EQ(secondTransponder, m_db.Channel(1).TransponderLink(TunerSide::First).Index());
        EXPECT_EQ(thirdTransponder, m_db.Channel(2).TransponderLink(TunerSide::First).Index());
        m_db.BuildAllLists();
        EXPECT_TRUE(VerifyLists(m_db));
        // The shared transponder lists its channels in file order.
        if (transponders == 1) {
            EXPECT_EQ((std::vector<int>{0, 1, 2}), PksOf(m_db, ListKind::TvByTransponder, 0));
        }
    }
}
