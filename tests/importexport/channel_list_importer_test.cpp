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

} // namespace

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

TEST_F(ChannelListImport, EmptyNamesByteNamesAndPolarisationTokens) {
    ASSERT_TRUE(Read(":SAT \"\" 0 :TRP 1 11000 27500 1 h :TRP 1 11000 27500 1 Horizontal :TRP 1 11000 27500 1 x "
                     ":CHN \"Caf\xe9 \xff\" 1 T")
                    .accepted);
    EXPECT_EQ("", m_db.Satellite(0).Name());
    EXPECT_EQ(static_cast<unsigned>(kPolarisationAuto), m_db.Transponder(0).Tuning().PolarisationCode());
    EXPECT_EQ(static_cast<unsigned>(kPolarisationHorizontal), m_db.Transponder(1).Tuning().PolarisationCode());
    EXPECT_EQ(static_cast<unsigned>(kPolarisationAuto), m_db.Transponder(2).Tuning().PolarisationCode());
    EXPECT_EQ("Caf\xe9 \xff", m_db.Channel(0).Name());
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
        int firstPosition = 0; // 0: not checked
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
        m_db.BuildAllLists();
        EXPECT_TRUE(VerifyLists(m_db));
    }
}

TEST_F(ChannelListImport, RefusedUnlessItBeginsWithASatellite) {
    for (const std::string& text :
         {std::string(" :SAT \"S\" 0"), std::string(":SA"), std::string(), std::string("SATCODX103")}) {
        EXPECT_FALSE(Read(text).accepted);
        EXPECT_TRUE(TablesUnchanged());
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
