// Where the fields of records, link words and tables lie, byte for byte.
#include "database/band.h"
#include "database/channel_database.h"
#include "database/channel_record.h"
#include "database/link_word.h"
#include "database/ordered_lists.h"
#include "database/record_words.h"
#include "database/satellite_record.h"
#include "database/transponder_record.h"
#include "list_test_util.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <type_traits>
#include <vector>

using namespace vorlane;
using vorlane::testing::RecordOf;

using Bytes = std::vector<std::uint8_t>;

// Name, LNB frequencies and test channel fields are also pinned by the satellites Init writes.
TEST(SatelliteRecordView, FieldsSitAtTheirOffsetsLittleEndianAndBitFieldsStayApart) {
    LnbSwitchWord word;
    word.SetToneFlag(1);
    word.SetLnbPower(2);
    word.SetDiseqcType(9);
    word.SetDiseqcPort(15);
    word.SetCableCompensation(1);
    word.SetToneBurst(2);
    word.SetMotorControl(2);
    EXPECT_EQ(0x1u | (2u << 1) | (9u << 3) | (15u << 7) | (1u << 12) | (2u << 13) | (2u << 15), word.Value());
    Bytes bytes(132, 0xFF);
    const SatelliteRecord sat(bytes.data());
    sat.SetTestChannelName(2, "PRE_CHAN_3");
    sat.SetTestChannelFrequency(2, 3799);
    sat.SetTestChannelPcrPid(2, 8190);
    sat.SetOrbitalPosition(-50);
    sat.SetMotorIndex(7);
    sat.SetLnbType(1);
    sat.SetLnbSwitch(TunerSide::Second, word);
    sat.SetListLink(0x1234);
    sat.SetTunerConnection(1);

    // Test channel 3: name, 3799, ..., PCR PID 8190; -50 as i16, motor, LNB type; tuner 2's switch word (4 bytes
    // behind tuner 1's), list link, tuner connection.
    EXPECT_EQ(RecordOf(132, {{0x54, "5052455F4348414E5F3300000000000000000000D70E"},
                             {0x72, "FE1FCEFF0701"},
                             {0x7C, "CD570100341201"}}),
              bytes);
    const ConstSatelliteRecord view = sat;
    EXPECT_EQ(-50, view.OrbitalPosition());
    EXPECT_EQ(3799, view.TestChannelFrequency(2));
    EXPECT_EQ("PRE_CHAN_3", view.TestChannelName(2));
    EXPECT_EQ(8190, view.TestChannelPcrPid(2));
    EXPECT_EQ(0xFFFF, view.TestChannelSymbolRate(2));
    EXPECT_EQ(0xFFFF, view.TestChannelFrequency(0)); // untouched test channel keeps the fill
    EXPECT_EQ(word.Value(), view.LnbSwitch(TunerSide::Second).Value());

    std::memcpy(bytes.data(), "ABCDEFGHIJKLMNOPQRST", 20); // overflows into the LNB fields on purpose
    EXPECT_EQ("ABCDEFGHIJKLMNOP", view.Name());            // never reads past the field
    bytes[15] = 0;
    EXPECT_EQ("ABCDEFGHIJKLMNO", view.Name());

    LnbSwitchWord kept(0xFFFFFFFF);
    kept.SetDiseqcPort(0);
    EXPECT_EQ(0xFFFFF87Fu, kept.Value()); // bit 11 and everything else untouched
    EXPECT_EQ(1u, kept.ToneFlag());
    EXPECT_EQ(3u, kept.MotorControl());
}

TEST(TransponderRecordView, FieldsAndTuningWord) {
    Bytes bytes(48, 0xFF);
    const TransponderRecord tp(bytes.data());
    tp.SetNetworkId(0x0001);
    tp.SetNetworkName("ASTRA network 1"); // longer than 14: cut
    tp.SetFrequency(11700);
    tp.SetSymbolRate(27500);
    tp.SetTransportStreamId(0x0431);
    TuningWord tuning(0);
    tuning.SetPolarisation(kPolarisationVertical);
    tuning.SetFec(5);
    tuning.SetFreeToAirOnly(true);
    tp.SetTuning(tuning);
    tp.SetSatelliteLink(LinkWord().WithIndex(3).WithKey(9));
    tp.SetListLink(0xBEEF);
    tp.SetBandLink(LinkWord().WithIndex(5));
    tp.SetNewRecordMark(0);

    // Network id and name cut to 14 bytes, frequency, symbol rate, TS id; tuning, satellite, list and band links.
    EXPECT_EQ(RecordOf(48, {{0x00, "01004153545241206E6574776F726B20B42D6C6B3104"},
                            {0x18, "5600000003400200EFBEFFFF0500000000"}}),
              bytes);
    EXPECT_EQ("ASTRA network ", tp.NetworkName());

    const TuningWord unused(0xFFFFFFF7);
    EXPECT_EQ(3u, unused.PolarisationCode());
    EXPECT_EQ(5u, unused.Fec());
    EXPECT_TRUE(unused.FreeToAirOnly());
}

TEST(ChannelRecordView, PerTunerFieldsLieBesideEachOtherAndWordsKeepForeignBits) {
    Bytes bytes(112, 0xFF);
    const ChannelRecord ch(bytes.data());
    ch.SetName("Das Erste");
    ch.SetPmtPid(0x64);
    ch.SetProgramNumber(28106);
    for (int a = 0; a < 6; ++a)
        ch.SetAudioPid(a, static_cast<std::uint16_t>(0x100 + a));
    ch.SetVideoPid(0x65);
    ch.SetPcrPid(0x66);
    ch.SetTeletextPid(0x68);
    ch.SetAc3Pid(0x6A);
    ch.SetServiceType(1);
    ch.SetServiceWord(TunerSide::Second, ServiceWord(0x11));
    ch.SetMainLink(TunerSide::Second, LinkWord(0x22));
    ch.SetFsLink(TunerSide::Second, LinkWord(0x33));
    ch.SetSatelliteLink(TunerSide::Second, LinkWord(0x44));
    ch.SetTransponderLink(TunerSide::Second, LinkWord(0x55));
    ch.SetFavouriteByte(TunerSide::Second, 7, 0x83);
    ch.SetPresence(TunerSide::Second, 1);

    // Name, PMT PID, program number, six audio PIDs, video, PCR, teletext, AC3; then the tuner-2 halves of the
    // service word (behind the service type), the four links, favourite group 7 and the presence byte.
    EXPECT_EQ(RecordOf(112, {{0x00, "44617320457273746500000000000000000000006400CA6D000101010201030104010501"},
                             {0x24, "6500660068006A00"},
                             {0x34, "1100000001"},
                             {0x40, "22000000FFFFFFFF33000000FFFFFFFF44000000FFFFFFFF55000000"},
                             {0x6B, "83FF01"}}),
              bytes);
    const ConstChannelRecord view(bytes.data());
    EXPECT_EQ(0x64, view.PmtPid());
    EXPECT_EQ(0xFFFFFFFFu, view.AudioLanguagesWord().Value());
    EXPECT_TRUE(view.PresentOn(TunerSide::Second));
    EXPECT_TRUE(view.PresentOn(TunerSide::First)); // 0xFF fill counts as present

    ServiceWord service(0);
    service.SetScrambled(true);
    service.SetSkipped(true);
    service.SetAudioPidCount(6);
    service.SetSelectedAudio(5);
    service.SetAudioMode(3);
    EXPECT_EQ(0x1u | 0x4u | (6u << 11) | (5u << 14) | (3u << 17), service.Value());
    EXPECT_FALSE(service.Locked());

    ServiceWord cleared(0xFFFFCFFF);
    EXPECT_EQ(1u, cleared.AudioPidCount()); // bits 12-13 clear
    cleared.SetScrambled(false);
    EXPECT_EQ(0xFFFFCFFEu, cleared.Value());

    AudioLanguages languages(0xC0000000u);
    for (int i = 0; i < AudioLanguages::kCount; ++i)
        languages.SetLanguage(i, static_cast<unsigned>(31 - i));
    EXPECT_EQ(0xC0000000u, languages.Value() & 0xC0000000u);
    EXPECT_EQ(26u, languages.Language(5));
    EXPECT_EQ(31u, languages.Value() & 0x1F);
}

TEST(LinkWordForms, FieldsAreIndependentInBothForms) {
    const LinkWord link = LinkWord(0x80000000u).WithIndex(1499).WithKey(9999).WithType(2).WithSide(TunerSide::Second);
    EXPECT_EQ(1499u, link.Index());
    EXPECT_EQ(9999u, link.Key());
    EXPECT_EQ(2u, link.Type());
    EXPECT_EQ(TunerSide::Second, link.Side());
    EXPECT_TRUE(link.KeptBit());
    EXPECT_EQ(0x80000000u | 1499u | (9999u << 14) | (2u << 28) | (1u << 30), link.Value());
    EXPECT_EQ(0u, LinkWord(0xFFFFFFFFu).WithIndex(0).WithKey(0).WithType(0).WithSide(TunerSide::First).Value() &
                      0x7FFFFFFFu);

    // The 16-bit form keeps the key, bit 0 of the index and the type.
    const LinkWord form16 = LinkWord::FromForm16(0xE005);
    EXPECT_EQ(5u, form16.Key());
    EXPECT_EQ(1u, form16.Index());
    EXPECT_EQ(3u, form16.Type());
    EXPECT_EQ(0xE005, form16.ToForm16());
    EXPECT_EQ(0x1FFF, LinkWord().WithKey(0x3FFF).ToForm16()); // key beyond 13 bits does not spill into index
    EXPECT_EQ(0x0000, LinkWord().WithIndex(2).ToForm16());    // only bit 0 of the index
}

// A channel PK is the slot, plus 5000 on tuner 2; only 0-9999 come in from outside as channel sides.
TEST(PkValues, NameTheRecordAndTheSideAndRefuseValuesOutsideTheChannelSides) {
    struct Case {
        int value;
        bool channelSide;
        int record;
        TunerSide side;
    };
    const Case cases[] = {{-1, false, 0, TunerSide::First},      {0, true, 0, TunerSide::First},
                          {4999, true, 4999, TunerSide::First},  {5000, true, 0, TunerSide::Second},
                          {9999, true, 4999, TunerSide::Second}, {10000, false, 0, TunerSide::First}};
    for (const Case& c : cases) {
        const std::optional<Pk> pk = Pk::OfChannelValue(c.value);
        ASSERT_EQ(c.channelSide, pk.has_value()) << c.value;
        if (!pk)
            continue;
        EXPECT_EQ(c.value, pk->Value());
        EXPECT_EQ(c.record, pk->Record());
        EXPECT_EQ(c.side, pk->Side());
        EXPECT_TRUE(Pk::OfChannel(c.record, c.side) == *pk);
        EXPECT_TRUE(pk->IsChannelSide());
    }
    EXPECT_FALSE(Pk(10000).IsChannelSide());
    EXPECT_EQ(1499, Pk::OfRecord(1499).Record());
}

// Const heads, nodes and tables hand out only const nodes and records, and cannot be copied into writable ones.
static_assert(std::is_same_v<decltype(std::declval<const ListHead&>().first.get()), const ListNode*>);
static_assert(std::is_same_v<decltype(std::declval<const ListNode&>().next.get()), const ListNode*>);
static_assert(!std::is_convertible_v<const DeepConstPtr<ListNode>&, ListNode*>);
static_assert(!std::is_constructible_v<DeepConstPtr<ListNode>, const DeepConstPtr<ListNode>&>);
static_assert(std::is_same_v<decltype(std::declval<const RecordTables&>().RecordOfPk(RecordTable::Channels, Pk(0))),
                             const std::uint8_t*>);
static_assert(
    std::is_same_v<decltype(std::declval<const OrderedLists&>().Head(ListKind::TvChannels, 0)), const ListHead*>);

TEST(BandNumbers, UniversalLnbSplitsBandsOthersDoNot) {
    // LNB type (1 universal), frequency, polarisation, band.
    const int cases[][4] = {{1, 11700, kPolarisationVertical, 5},   {1, 10699, kPolarisationHorizontal, 0},
                            {1, 10700, kPolarisationHorizontal, 2}, {1, 11699, kPolarisationVertical, 3},
                            {1, 12749, kPolarisationAuto, 4},       {1, 12750, kPolarisationVertical, 1},
                            {0, 11700, kPolarisationVertical, 1},   {2, 11700, 3, 0},
                            {-1, 11000, kPolarisationHorizontal, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c[3], BandNumber(c[0], static_cast<unsigned>(c[1]), static_cast<unsigned>(c[2]))) << c[1];
}

TEST(ChannelDatabaseTables, BuffersBasesRegionsAndSettingsRecordsHaveTheReceiverLayout) {
    ChannelDatabase db;
    EXPECT_FALSE(db.TablesAllocated());
    EXPECT_EQ(db.HeldSettings().data(), db.CurrentSettings().data());
    db.UseScratchSettings(); // nothing to switch to yet
    EXPECT_FALSE(db.ScratchSettingsCurrent());
    db.AllocateTables();
    ASSERT_TRUE(db.TablesAllocated());
    EXPECT_EQ(db.SatelliteBuffer().data() + 4, db.arrSatellite());
    EXPECT_EQ(db.SatelliteBuffer().data() + 0x2110, db.arrTransponder());
    EXPECT_EQ(db.ChannelBuffer().data() + 4, db.arrChannel());
    EXPECT_EQ(0x20000u, db.SatelliteBuffer().size());
    EXPECT_EQ(0x120000u, db.ChannelBuffer().size());
    // The satellite region holds 64 satellites, 12 bytes, 1500 transponders and 8 bytes.
    EXPECT_EQ(db.arrTransponder() + 1500 * 48 + 8, db.SatelliteRegion().data() + db.SatelliteRegion().size());
    EXPECT_EQ(db.arrChannel() + 5000 * 112 + 8, db.ChannelRegion().data() + db.ChannelRegion().size());

    EXPECT_TRUE(db.Satellite(63).IsFree());
    EXPECT_TRUE(db.Transponder(1499).IsFree());
    EXPECT_TRUE(db.Channel(4999).IsFree());
    EXPECT_EQ(0x120000u, db.PkChannel().size());
    EXPECT_TRUE(std::all_of(db.PkChannel().begin(), db.PkChannel().end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(10000u, db.PkPositions().size());
    EXPECT_EQ(db.Channel(5).RecordBytes(), db.ChannelOfPk(Pk(5005)).RecordBytes());
    EXPECT_EQ(4999, db.ChannelIndexOf(db.Channel(4999).RecordBytes()));
    EXPECT_EQ(-1, db.ChannelIndexOf(db.arrChannel() + 5000 * 112));

    // The scratch settings record is current after allocation until the held one is chosen.
    ASSERT_TRUE(db.ScratchSettingsCurrent());
    EXPECT_EQ(3196u, db.CurrentSettings().size());
    EXPECT_NE(db.HeldSettings().data(), db.CurrentSettings().data());
    EXPECT_TRUE(
        std::all_of(db.ScratchSettings().begin(), db.ScratchSettings().end(), [](std::uint8_t b) { return b == 0; }));
    db.CurrentSettings()[0x192] = 0xAB;
    db.UseHeldSettings();
    EXPECT_EQ(db.HeldSettings().data(), db.CurrentSettings().data());
    EXPECT_EQ(0, db.HeldSettings()[0x192]);
    db.HeldSettings()[0] = 7;

    db.FreeTables();
    EXPECT_FALSE(db.TablesAllocated());
    EXPECT_EQ(nullptr, db.Lists().Head(ListKind::Satellites, 0));
    EXPECT_TRUE(db.SatelliteBuffer().empty());
    EXPECT_EQ(7, db.CurrentSettings()[0]); // the held record outlives the tables
    EXPECT_TRUE(db.ScratchSettings().empty());
}
