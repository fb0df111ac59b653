// Where the fields of records, link words and tables lie, byte for byte.
#include "database/band.h"
#include "database/channel_database.h"
#include "database/channel_record.h"
#include "database/link_word.h"
#include "database/record_words.h"
#include "database/satellite_record.h"
#include "database/transponder_record.h"
#include "list_test_util.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace vorlane;
using vorlane::testing::recordOf;

namespace {

std::vector<std::uint8_t> freeBytes(std::size_t size) {
    return std::vector<std::uint8_t>(size, 0xFF);
}

} // namespace

TEST(SatelliteRecordView, FieldsSitAtTheirOffsetsLittleEndian) {
    auto bytes = freeBytes(132);
    const SatelliteRecord sat(bytes.data());
    EXPECT_TRUE(sat.isFree());
    sat.setName("Astra");
    sat.setLnbHighFrequency(10600);
    sat.setLnbLowFrequency(9750);
    sat.setTestChannelName(2, "PRE_CHAN_3");
    sat.setTestChannelFrequency(2, 3799);
    sat.setTestChannelPcrPid(2, 8190);
    sat.setOrbitalPosition(-50);
    sat.setMotorIndex(7);
    sat.setLnbType(1);
    sat.setListLink(0x1234);
    sat.setTunerConnection(1);

    EXPECT_FALSE(sat.isFree());
    // Name; LNB 10600, 9750; test channel 3: name, 3799, ..., PCR PID 8190; -50 as i16, motor, LNB type; list
    // link, tuner connection.
    EXPECT_EQ(recordOf(132, {{0x00, "4173747261000000000000000000000068291626"},
                             {0x54, "5052455F4348414E5F3300000000000000000000D70E"},
                             {0x72, "FE1FCEFF0701"},
                             {0x80, "341201"}}),
              bytes);
    const ConstSatelliteRecord view = sat;
    EXPECT_EQ(-50, view.orbitalPosition());
    EXPECT_EQ(3799, view.testChannelFrequency(2));
    EXPECT_EQ("PRE_CHAN_3", view.testChannelName(2));
    EXPECT_EQ(8190, view.testChannelPcrPid(2));
    EXPECT_EQ(0xFFFF, view.testChannelSymbolRate(2));
    EXPECT_EQ(0xFFFF, view.testChannelFrequency(0)); // untouched test channel keeps the fill

    std::memcpy(bytes.data(), "ABCDEFGHIJKLMNOPQRST", 20); // overflows into the LNB fields on purpose
    EXPECT_EQ("ABCDEFGHIJKLMNOP", view.name());            // never reads past the field
    bytes[15] = 0;
    EXPECT_EQ("ABCDEFGHIJKLMNO", view.name());
}

TEST(SatelliteRecordView, LnbSwitchWordsArePerTunerAndBitFieldsStayApart) {
    auto bytes = freeBytes(132);
    const SatelliteRecord sat(bytes.data());
    LnbSwitchWord word;
    word.setToneFlag(1);
    word.setLnbPower(2);
    word.setDiseqcType(9);
    word.setDiseqcPort(15);
    word.setCableCompensation(1);
    word.setToneBurst(2);
    word.setMotorControl(2);
    EXPECT_EQ(0x1u | (2u << 1) | (9u << 3) | (15u << 7) | (1u << 12) | (2u << 13) | (2u << 15), word.value());
    sat.setLnbSwitch(1, word);
    sat.setLnbSwitch(0, LnbSwitchWord(0));
    EXPECT_EQ(0u, sat.lnbSwitch(0).value());
    EXPECT_EQ(word.value(), sat.lnbSwitch(1).value());
    EXPECT_EQ(word.value(), readLe32(bytes.data() + 0x7C)); // tuner-2 word 4 bytes after tuner-1

    LnbSwitchWord kept(0xFFFFFFFF);
    kept.setDiseqcPort(0);
    EXPECT_EQ(0xFFFFF87Fu, kept.value()); // bit 11 and everything else untouched
    EXPECT_EQ(1u, kept.toneFlag());
    EXPECT_EQ(3u, kept.motorControl());
}

TEST(TransponderRecordView, FieldsAndTuningWord) {
    auto bytes = freeBytes(48);
    const TransponderRecord tp(bytes.data());
    tp.setNetworkId(0x0001);
    tp.setNetworkName("ASTRA network 1"); // longer than 14: cut
    tp.setFrequency(11700);
    tp.setSymbolRate(27500);
    tp.setTransportStreamId(0x0431);
    TuningWord tuning(0);
    tuning.setPolarisation(kPolarisationVertical);
    tuning.setFec(5);
    tuning.setFreeToAirOnly(true);
    tp.setTuning(tuning);
    tp.setSatelliteLink(LinkWord().withIndex(3).withKey(9));
    tp.setListLink(0xBEEF);
    tp.setBandLink(LinkWord().withIndex(5));
    tp.setNewRecordMark(0);

    // Network id and name cut to 14 bytes, frequency, symbol rate, TS id; tuning, satellite, list and band links.
    EXPECT_EQ(recordOf(48, {{0x00, "01004153545241206E6574776F726B20B42D6C6B3104"},
                            {0x18, "5600000003400200EFBE"},
                            {0x24, "0500000000"}}),
              bytes);
    EXPECT_EQ("ASTRA network ", tp.networkName());

    const TuningWord unused(0xFFFFFFF7);
    EXPECT_EQ(3u, unused.polarisation());
    EXPECT_EQ(5u, unused.fec());
    EXPECT_TRUE(unused.freeToAirOnly());
}

TEST(ChannelRecordView, PerTunerFieldsLieBesideEachOther) {
    auto bytes = freeBytes(112);
    const ChannelRecord ch(bytes.data());
    ch.setName("Das Erste");
    ch.setPmtPid(0x64);
    ch.setProgramNumber(28106);
    for (int a = 0; a < 6; ++a)
        ch.setAudioPid(a, static_cast<std::uint16_t>(0x100 + a));
    ch.setVideoPid(0x65);
    ch.setPcrPid(0x66);
    ch.setTeletextPid(0x68);
    ch.setAc3Pid(0x6A);
    ch.setServiceType(1);
    ch.setServiceWord(1, ServiceWord(0x11));
    ch.setMainLink(1, LinkWord(0x22));
    ch.setFsLink(1, LinkWord(0x33));
    ch.setSatelliteLink(1, LinkWord(0x44));
    ch.setTransponderLink(1, LinkWord(0x55));
    ch.setFavouriteByte(1, 7, 0x83);
    ch.setPresence(1, 1);

    // Name, PMT PID, program number, six audio PIDs, video, PCR, teletext, AC3; then the tuner-2 halves of the
    // service word (behind the service type), the four links, favourite group 7 and the presence byte.
    EXPECT_EQ(recordOf(112, {{0x00, "44617320457273746500000000000000000000006400CA6D000101010201030104010501"},
                             {0x24, "6500660068006A00"},
                             {0x34, "1100000001"},
                             {0x40, "22000000"},
                             {0x48, "33000000"},
                             {0x50, "44000000"},
                             {0x58, "55000000"},
                             {0x6B, "83FF01"}}),
              bytes);
    const ConstChannelRecord view(bytes.data());
    EXPECT_EQ(0x64, view.pmtPid());
    EXPECT_EQ(0xFFFFFFFFu, view.audioLanguages().value());
    EXPECT_TRUE(view.presentOn(1));
    EXPECT_TRUE(view.presentOn(0)); // 0xFF fill counts as present
}

TEST(ChannelRecordView, ServiceWordAndLanguagesKeepForeignBits) {
    ServiceWord service(0);
    service.setScrambled(true);
    service.setSkipped(true);
    service.setAudioPidCount(6);
    service.setSelectedAudio(5);
    service.setAudioMode(3);
    EXPECT_EQ(0x1u | 0x4u | (6u << 11) | (5u << 14) | (3u << 17), service.value());
    EXPECT_FALSE(service.locked());

    ServiceWord cleared(0xFFFFCFFF);
    EXPECT_EQ(1u, cleared.audioPidCount()); // bits 12-13 clear
    cleared.setScrambled(false);
    EXPECT_EQ(0xFFFFCFFEu, cleared.value());

    AudioLanguages languages(0xC0000000u);
    for (int i = 0; i < AudioLanguages::kCount; ++i)
        languages.setLanguage(i, static_cast<unsigned>(31 - i));
    EXPECT_EQ(0xC0000000u, languages.value() & 0xC0000000u);
    EXPECT_EQ(26u, languages.language(5));
    EXPECT_EQ(31u, languages.value() & 0x1F);
}

TEST(LinkWordForms, ThirtyTwoBitFieldsAreIndependent) {
    const LinkWord link = LinkWord(0x80000000u).withIndex(1499).withKey(9999).withType(2).withTunerSide(1);
    EXPECT_EQ(1499u, link.index());
    EXPECT_EQ(9999u, link.key());
    EXPECT_EQ(2u, link.type());
    EXPECT_EQ(1u, link.tunerSide());
    EXPECT_TRUE(link.keptBit());
    EXPECT_EQ(0x80000000u | 1499u | (9999u << 14) | (2u << 28) | (1u << 30), link.value());
    EXPECT_EQ(link.value(), link.withKey(9999).value());
    EXPECT_EQ(0u, LinkWord(0xFFFFFFFFu).withIndex(0).withKey(0).withType(0).withTunerSide(0).value() & 0x7FFFFFFFu);
}

TEST(LinkWordForms, SixteenBitFormKeepsKeyIndexBitAndType) {
    const LinkWord link = LinkWord::FromForm16(0xE005);
    EXPECT_EQ(5u, link.key());
    EXPECT_EQ(1u, link.index());
    EXPECT_EQ(3u, link.type());
    EXPECT_EQ(0xE005, link.toForm16());
    EXPECT_EQ(0x1FFF, LinkWord().withKey(0x3FFF).toForm16()); // key beyond 13 bits does not spill into index
    EXPECT_EQ(0x0000, LinkWord().withIndex(2).toForm16());    // only bit 0 of the index
}

TEST(BandNumbers, UniversalLnbSplitsBandsOthersDoNot) {
    constexpr int universal = 1;
    EXPECT_EQ(5, BandNumber(universal, 11700, kPolarisationVertical));
    EXPECT_EQ(0, BandNumber(universal, 10699, kPolarisationHorizontal));
    EXPECT_EQ(2, BandNumber(universal, 10700, kPolarisationHorizontal));
    EXPECT_EQ(3, BandNumber(universal, 11699, kPolarisationVertical));
    EXPECT_EQ(4, BandNumber(universal, 12749, kPolarisationAuto));
    EXPECT_EQ(1, BandNumber(universal, 12750, kPolarisationVertical));
    EXPECT_EQ(1, BandNumber(0, 11700, kPolarisationVertical));
    EXPECT_EQ(0, BandNumber(2, 11700, 3));
    EXPECT_EQ(0, BandNumber(-1, 11000, kPolarisationHorizontal));
}

TEST(ChannelDatabaseTables, BuffersBasesAndRegionsHaveTheReceiverLayout) {
    ChannelDatabase db;
    EXPECT_FALSE(db.tablesAllocated());
    db.AllocateTables();
    ASSERT_TRUE(db.tablesAllocated());
    EXPECT_EQ(db.satelliteBuffer().data() + 4, db.arrSatellite());
    EXPECT_EQ(db.satelliteBuffer().data() + 0x2110, db.arrTransponder());
    EXPECT_EQ(db.channelBuffer().data() + 4, db.arrChannel());
    EXPECT_EQ(0x20000u, db.satelliteBuffer().size());
    EXPECT_EQ(0x120000u, db.channelBuffer().size());
    // The satellite region holds 64 satellites, 12 bytes, 1500 transponders and 8 bytes.
    EXPECT_EQ(db.arrTransponder() + 1500 * 48 + 8, db.satelliteRegion().data() + db.satelliteRegion().size());
    EXPECT_EQ(db.arrChannel() + 5000 * 112 + 8, db.channelRegion().data() + db.channelRegion().size());

    for (int i = 0; i < kSatelliteCount; ++i)
        EXPECT_TRUE(db.satellite(i).isFree());
    EXPECT_TRUE(db.transponder(1499).isFree());
    EXPECT_TRUE(db.channel(4999).isFree());
    EXPECT_EQ(0x120000u, db.pkChannel().size());
    EXPECT_TRUE(std::all_of(db.pkChannel().begin(), db.pkChannel().end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(10000u, db.pkPositions().size());
    EXPECT_EQ(db.channel(5).bytes(), db.channelOfPk(5005).bytes());
    EXPECT_EQ(4999, db.ChannelIndexOf(db.channel(4999).bytes()));
    EXPECT_EQ(-1, db.ChannelIndexOf(db.arrChannel() + 5000 * 112));

    db.FreeTables();
    EXPECT_FALSE(db.tablesAllocated());
    EXPECT_EQ(nullptr, db.lists().Head(ListKind::Satellites, 0));
    EXPECT_TRUE(db.satelliteBuffer().empty());
}

TEST(ChannelDatabaseSettings, ScratchRecordIsCurrentAfterAllocationUntilTheHeldOneIsChosen) {
    ChannelDatabase db;
    EXPECT_EQ(db.heldSettings().data(), db.currentSettings().data());
    db.UseScratchSettings(); // nothing to switch to yet
    EXPECT_FALSE(db.scratchSettingsCurrent());

    db.AllocateTables();
    ASSERT_TRUE(db.scratchSettingsCurrent());
    EXPECT_EQ(3196u, db.currentSettings().size());
    EXPECT_NE(db.heldSettings().data(), db.currentSettings().data());
    EXPECT_TRUE(
        std::all_of(db.scratchSettings().begin(), db.scratchSettings().end(), [](std::uint8_t b) { return b == 0; }));
    db.currentSettings()[0x192] = 0xAB;
    db.UseHeldSettings();
    EXPECT_EQ(db.heldSettings().data(), db.currentSettings().data());
    EXPECT_EQ(0, db.heldSettings()[0x192]);
    db.heldSettings()[0] = 7;
    db.FreeTables();
    EXPECT_EQ(7, db.currentSettings()[0]); // the held record outlives the tables
    EXPECT_TRUE(db.scratchSettings().empty());
}
