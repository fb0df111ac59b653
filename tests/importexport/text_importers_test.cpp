// The two text importers: exact records, damaged and refused input, full tables.

#include "importexport/channel_list_importer.h"
#include "importexport/satcodx_importer.h"

#include "import_test_util.h"
#include "support/list_check.h"

#include <tuple>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr std::uint32_t kBit31 = 0x80000000u;

class ChannelListImport : public ImportTest {
protected:
    ImportResult Read(const std::string& text) { return ChannelListImporter::Read(m_db, BytesOf(text)); }
};

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
    ch[0x38] = 1;                                           // radio
    for (const std::size_t link : {0x3C, 0x44, 0x4C, 0x54}) // radio, first key; transponder and main link 1
        WriteLe32(ch.data() + link, (ReadLe32(ch.data() + link) & kBit31) | 0x10000000u | (link >= 0x4C ? 1u : 0u));
    WriteLe32(ch.data() + 0x50, (ReadLe32(ch.data() + 0x50) & ~0x3FFFu) | 1u); // tuner 2: satellite index only
    ch[0x6C] = 1;
    EXPECT_EQ(ch, ChannelNow(1));

    EXPECT_EQ(InitialSatellite(2), SatelliteNow(2));
    EXPECT_EQ(InitialTransponder(2), TransponderNow(2));
    EXPECT_EQ(InitialChannel(2), ChannelNow(2));
}

TEST_F(SatcodxImport, ShortRecordKeepsEightNameBytesAndNulAndBlankFieldsKeepTheirValues) {
    const SdxLine line{.polarisation = "0009",
                       .name = "Beta 1  ",
                       .symbolRate = "_____",
                       .networkId = "_____",
                       .transportStreamId = "_____"};
    ASSERT_TRUE(Read(line.Text().substr(0, 100) + "\n").accepted);

    Bytes expected = InitialChannel(0);
    std::copy_n("Beta 1  ", 9, expected.begin()); // with its NUL; the rest of the name field stays
    const Bytes ch = ChannelNow(0), trp = TransponderNow(0), trpBefore = InitialTransponder(0);
    // The channel's name, program number and video PID; the transponder's network id, symbol rate and stream id.
    // clang-format off
    const std::tuple<const Bytes*, const Bytes*, int, int> fields[] = {
        {&ch, &expected, 0, 20}, {&ch, &expected, 0x16, 0x18}, {&ch, &expected, 0x24, 0x26},
        {&trp, &trpBefore, 0, 2}, {&trp, &trpBefore, 0x12, 0x16}};
    // clang-format on
    for (const auto& [now, before, from, to] : fields)
        EXPECT_TRUE(std::equal(now->begin() + from, now->begin() + to, before->begin() + from)) << from;
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
    // The buffer, whether it is accepted, the channels read and the reader. A channel list begins with a satellite.
    struct Case {
        std::string text;
        bool accepted;
        int channelsRead;
        decltype(&SatcodxImporter::Read) read = SatcodxImporter::Read;
    };
    const auto list = ChannelListImporter::Read;
    // clang-format off
    const Case cases[] = {
        {rec + "\r" + rec + "\r" + rec + "\r", true, 3}, {rec + "\n" + rec + "\n" + rec + "\n", true, 3},
        {rec + "\r\n" + rec + "\r\n" + rec + "\r\n", true, 3}, {rec + "\r\n" + rec + "\r\n" + rec, true, 3},
        {first + "\n\n" + rec + "\n", false, 1}, {first + "\r\r" + rec + "\n", false, 1},
        {first + "\n\r" + rec + "\n", false, 1}, {first + "\nSATCODX10" + rec + "\n", false, 1},
        {"", false, 0}, {"SATCODX10", false, 0}, {" " + rec, false, 0}, {"satcodx103" + rec.substr(10), false, 0},
        {":SAT", false, 0}, {"SATCODX104" + rec.substr(10) + later, true, 2},
        {"SATCODX105" + rec.substr(10) + later, true, 2}, {"SATCODX106" + rec.substr(10) + later, false, 0},
        {"SATCODX102" + rec.substr(10) + later, false, 0}, {" :SAT \"S\" 0", false, 0, list}, {":SA", false, 0, list},
        {"", false, 0, list}, {"SATCODX103", false, 0, list},
    };
    // clang-format on
    for (const auto& [text, accepted, channelsRead, read] : cases) {
        SCOPED_TRACE(text.substr(0, 20));
        Restart();
        const ImportResult result = read(m_db, BytesOf(text));
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
        const ConstTransponderRecord transponder = m_db.Transponder(0);
        if (length >= 39) {
            EXPECT_EQ(12380, transponder.Frequency());
        }
        if (length >= 51 && length < 127) {
            EXPECT_EQ("Klassik ", m_db.Channel(0).Name().substr(0, 8));
        }
        if (length >= 102) {
            EXPECT_EQ(1093, transponder.TransportStreamId());
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

TEST_F(ChannelListImport, OneLineRecordsGiveExactRecords) {
    EXPECT_EQ((Counts{1, 1, 1, 1, 0, 0}),
              CountsOf(Read(R"(:SAT "SatOne" 192 :TRP 1 11778 27500 1 V :CHN "News 1" 28106 T)")));

    Bytes sat = InitialSatellite(0);
    std::copy_n("SatOne\0\0\0\0\0\0\0\0\0\0", 16, sat.begin());
    WriteLe16(sat.data() + 0x74, 192);
    EXPECT_EQ(sat, SatelliteNow(0));

    Bytes trp = InitialTransponder(0);
    WriteLe16(trp.data() + 0x00, 1);
    std::copy_n("PRE", 4, trp.begin() + 2);
    WriteLe16(trp.data() + 0x10, 11778);
    WriteLe16(trp.data() + 0x12, 27500);
    WriteLe16(trp.data() + 0x14, 1);
    WriteLe32(trp.data() + 0x18, (ReadLe32(trp.data() + 0x18) & ~3u) | 2u); // Vertical
    WriteLe32(trp.data() + 0x1C, ReadLe32(trp.data() + 0x1C) & ~0x3FFFu);   // satellite 0
    EXPECT_EQ(trp, TransponderNow(0));

    Bytes ch = InitialChannel(0);
    std::copy_n("News 1\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20, ch.begin());
    ch[0x38] = 0; // TV
    for (const std::size_t link : {0x3C, 0x44, 0x4C, 0x54})
        WriteLe32(ch.data() + link, ReadLe32(ch.data() + link) & kBit31); // type 0, key 0, index 0, tuner 1
    for (const std::size_t link : {0x50, 0x58})
        WriteLe32(ch.data() + link, ReadLe32(ch.data() + link) & ~0x3FFFu); // tuner 2: indexes only
    ch[0x6C] = 1;
    EXPECT_EQ(ch, ChannelNow(0));

    EXPECT_EQ(InitialSatellite(1), SatelliteNow(1));
    EXPECT_EQ(InitialTransponder(1), TransponderNow(1));
    EXPECT_EQ(InitialChannel(1), ChannelNow(1));
}

TEST_F(ChannelListImport, RecordsOnePerLineWithoutTrailingBlanksAreAllRead) {
    // LF, CRLF and CR line ends in turn, and a tab between fields.
    const std::string text = ":SAT \"North\" 192\n:TRP 1 11778 27500 1 V\r\n:CHN \"One\" 101 T\r:CHN \"Two\" 102\tR\n"
                             ":TRP 2 12000 22000 1 H\r\n:CHN \"Three\" 103 T\r:SAT \"South\" -300\n"
                             ":TRP 3 11000 27500 2 V\r\n:CHN \"Four\" 104 D\r";
    EXPECT_EQ((Counts{1, 2, 3, 4, 0, 0}), CountsOf(Read(text)));

    EXPECT_EQ(-300, m_db.Satellite(1).OrbitalPosition());
    EXPECT_EQ(static_cast<unsigned>(kPolarisationHorizontal), m_db.Transponder(1).Tuning().PolarisationCode());
    EXPECT_EQ(1u, m_db.Transponder(2).SatelliteLink().Index());
    EXPECT_EQ("Two", m_db.Channel(1).Name());
    EXPECT_EQ(1u, m_db.Channel(3).SatelliteLink(TunerSide::First).Index());
    EXPECT_EQ(2u, m_db.Channel(3).TransponderLink(TunerSide::Second).Index());

    m_db.BuildAllLists();
    EXPECT_TRUE(VerifyLists(m_db));
    EXPECT_EQ((std::vector<int>{0, 2}), PksOf(m_db, ListKind::Tuner1Tv));
    EXPECT_EQ((std::vector<int>{1}), PksOf(m_db, ListKind::Tuner1Radio));
    EXPECT_EQ((std::vector<int>{3}), PksOf(m_db, ListKind::Tuner1Data));
}

// What is broken stays inside its record, every complete record is read and the database is left sound.
TEST_F(ChannelListImport, DamagedListsKeepEveryCompleteRecordAndLeaveASoundDatabase) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> satellites;
        int transponders;
        std::vector<std::string> channels;
        int withoutTransponder;
        int firstPosition = 0;                    // 0: not checked
        std::vector<unsigned> polarisations = {}; // of the first transponders
    };
    const std::string trp = ":TRP 1 11000 27500 1 V\n";
    const std::string a = ":SAT \"A\" 1\n" + trp;
    // clang-format off
    const Case cases[] = {
        {"long names", ":SAT \"Twenty characters!!\" 130 :TRP 1 11000 27500 1 V :CHN \"A channel name of 28 letters\" 5 R", {"Twenty characte"}, 1, {"A channel name of 2"}, 0, 130},
        {"other colons and marks", ":SAT \"A:B\" 10 : :XYZ 12:30 :SA :CH :CHN \"C\" 1 T :", {"A:B"}, 0, {}, 1, 10},
        {"orphan channel", ":SAT \"A\" 1\n:CHN \"Orphan\" 1 T\n" + trp + ":CHN \"Kept\" 1 T", {"A"}, 1, {"Kept"}, 1},
        {"channel right after a new satellite", a + ":CHN \"A1\" 1 T\n:SAT \"B\" 2\n:CHN \"Orphan\" 1 T\n" + trp + ":CHN \"B1\" 1 R", {"A", "B"}, 2, {"A1", "B1"}, 1},
        {"missing quote on a satellite name", ":SAT \"Broken 10\n" + trp + ":CHN \"One\" 1 T", {"Broken 10"}, 1, {"One"}, 0},
        {"missing quote on a channel name", a + ":CHN \"Broken 1 T\n:CHN \"Two\" 2 R", {"A"}, 1, {"Broken 1 T", "Two"}, 0},
        {"long name missing its quote", a + ":CHN \"A channel name of 28 letters 1 T\n:CHN \"Two\" 2 R", {"A"}, 1, {"A channel name of 2", "Two"}, 0},
        {"missing quote, records on one line", ":SAT \"A\" 1 :TRP 1 11000 27500 1 V :CHN \"Broken :CHN \"Two\" 2 R", {"A"}, 1, {"Broken ", "Two"}, 0},
        {"missing fields", ":SAT\n:TRP 1 11000\n:CHN\n:CHN \"Two\" 2 R", {""}, 1, {"", "Two"}, 0},
        {"record cut by the end of the file", a + ":CHN \"One\" 1 T\n:TRP 2 12", {"A"}, 2, {"One"}, 0},
        {"name cut by the end of the file", a + ":CHN \"One\" 1 T\n:CHN \"Cu", {"A"}, 1, {"One", "Cu"}, 0},
        {"empty and byte names, polarisation words", ":SAT \"\" 0 :TRP 1 11000 27500 1 h :TRP 1 11000 27500 1 Horizontal :TRP 1 11000 27500 1 x :CHN \"Caf\xe9 \xff\" 1 T", {""}, 3, {"Caf\xe9 \xff"}, 0, 0, {kPolarisationAuto, kPolarisationHorizontal, kPolarisationAuto}},
        {"mark inside a name", a + ":CHN \"Sky:CHN One\" 1 T\n:CHN \"Two\" 2 R", {"A"}, 1, {"Sky", " 1 T", "Two"}, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        const ImportResult result = Read(c.text);
        ASSERT_TRUE(result.accepted);
        ASSERT_EQ(static_cast<int>(c.satellites.size()), result.satellites);
        for (int i = 0; i < result.satellites; ++i)
            EXPECT_EQ(c.satellites[static_cast<std::size_t>(i)], m_db.Satellite(i).Name());
        EXPECT_EQ(c.transponders, result.transponders);
        ASSERT_EQ(static_cast<int>(c.channels.size()), result.channels);
        for (int i = 0; i < result.channels; ++i)
            EXPECT_EQ(c.channels[static_cast<std::size_t>(i)], m_db.Channel(i).Name());
        EXPECT_EQ(c.withoutTransponder, result.channelsWithoutTransponder);
        if (c.firstPosition) {
            EXPECT_EQ(c.firstPosition, m_db.Satellite(0).OrbitalPosition());
        }
        for (std::size_t i = 0; i < c.polarisations.size(); ++i)
            EXPECT_EQ(c.polarisations[i], m_db.Transponder(static_cast<int>(i)).Tuning().PolarisationCode());
        m_db.BuildAllLists();
        EXPECT_TRUE(VerifyLists(m_db));
    }
}

// A full table stops either import, accepted, counting every record left out; nothing behind them is read.
using ChannelListAndSatcodxImport = ImportTest;
TEST_F(ChannelListAndSatcodxImport, FullTablesStopTheImportAcceptedAndCountTheRest) {
    const std::string garbage = "garbage after the records that did not fit";
    std::string sdxSatellites, sdxTransponders, sdxFewTransponders;
    for (int i = 0; i < kTransponderCount + 500; ++i) {
        SdxLine record{.frequency = std::to_string(10000 + i)};
        if (i < kTransponderCount + 3)
            sdxTransponders += record.Text() + "\r\n";
        record.frequency = std::to_string(10000 + i % 10);
        sdxFewTransponders += record.Text() + "\r\n";
        record.satellite = "Sat " + std::to_string(i);
        if (i < 70)
            sdxSatellites += record.Text() + "\r\n";
    }
    std::string manySatellites, manyTransponders = ":SAT \"S\" 0\n",
                                manyChannels = ":SAT \"S\" 0\n:TRP 1 11000 27500 1 V\n";
    for (int i = 0; i < 66; ++i)
        manySatellites += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) +
                          "\n:TRP 1 11000 27500 1 V\n:CHN \"C\" 1 T\n";
    for (int i = 0; i < kTransponderCount + 2; ++i)
        manyTransponders += ":TRP 1 11000 27500 1 V\n";
    manyTransponders += ":CHN \"late\" 1 T\n:CHN \"unclosed";
    for (int i = 0; i < kChannelCount + 3; ++i)
        manyChannels += i % 2 ? ":CHN \"R\" 1 R\n" : ":CHN \"T\" 1 T\n";
    const auto sdx = SatcodxImporter::Read;
    const auto list = ChannelListImporter::Read;
    constexpr int kT = kTransponderCount;
    constexpr std::size_t kHalf = kChannelCount / 2;
    // The reader, the text, what it reports, tuner 1's TV and radio channels, the last satellite's name.
    // clang-format off
    const std::tuple<decltype(&SatcodxImporter::Read), std::string, Counts, std::size_t, std::size_t, std::string> cases[] = {
        {sdx, sdxSatellites + garbage, {1, 64, 64, 64, 6, 0}, 64, 0, "Sat 63          "},
        {sdx, sdxTransponders + garbage, {1, 1, kT, kT, 3, 0}, kT, 0, "Testsat 1 (9.9E)"},
        {sdx, sdxFewTransponders, {1, 1, 10, kT + 500, 0, 0}, kT + 500, 0, "Testsat 1 (9.9E)"},
        {list, manySatellites, {1, 64, 64, 64, 6, 0}, 64, 0, "Sat 63"},
        {list, manyTransponders, {1, 1, kT, 0, 4, 0}, 0, 0, "S"}, // two transponders and both channels
        {list, manyChannels, {1, 1, 1, kChannelCount, 3, 0}, kHalf, kHalf, "S"}};
    // clang-format on
    for (const auto& [reader, text, expected, tv, radio, lastSatellite] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        Restart();
        EXPECT_EQ(expected, CountsOf(reader(m_db, BytesOf(text))));
        EXPECT_EQ(lastSatellite, m_db.Satellite(expected[1] - 1).Name());
        if (expected[2] < kTransponderCount) {
            EXPECT_EQ(InitialTransponder(expected[2]), TransponderNow(expected[2]));
        }
        if (expected[3] < kChannelCount) {
            EXPECT_EQ(InitialChannel(expected[3]), ChannelNow(expected[3]));
        }
        m_db.BuildAllLists();
        EXPECT_TRUE(VerifyLists(m_db));
        EXPECT_EQ(tv, PksOf(m_db, ListKind::Tuner1Tv).size());
        EXPECT_EQ(radio, PksOf(m_db, ListKind::Tuner1Radio).size());
    }
}
