#include "database/channel_record.h"
#include "database/satellite_record.h"
#include "database/transponder_record.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace vorlane;

namespace {

template <std::size_t N> std::array<std::uint8_t, N> freeBytes() {
    std::array<std::uint8_t, N> bytes;
    bytes.fill(0xFF);
    return bytes;
}

// The bytes at `offset` as a list, to compare a whole field at once.
template <std::size_t N> std::vector<int> at(const std::array<std::uint8_t, N>& bytes, std::size_t offset, int n) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset) + n};
}

using V = std::vector<int>;

} // namespace

TEST(SatelliteRecordView, FieldsSitAtTheirOffsetsLittleEndian) {
    auto bytes = freeBytes<132>();
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
    EXPECT_EQ(0, std::memcmp(bytes.data(), "Astra\0\0\0\0\0\0\0\0\0\0\0", 16));
    EXPECT_EQ((V{0x68, 0x29, 0x16}), at(bytes, 0x10, 3)); // 10600 = 0x2968, 9750 = 0x2616
    EXPECT_EQ(0, std::memcmp(bytes.data() + 0x14 + 64, "PRE_CHAN_3\0\0\0\0\0\0\0\0\0\0", 20));
    EXPECT_EQ(3799 & 0xFF, bytes[0x14 + 64 + 20]);
    EXPECT_EQ(0xFE, bytes[0x14 + 64 + 30]);                  // 8190 = 0x1FFE
    EXPECT_EQ((V{0xCE, 0xFF, 7, 1}), at(bytes, 0x74, 4));    // -50 as i16, motor, LNB type
    EXPECT_EQ((V{0x34, 0x12, 1, 0xFF}), at(bytes, 0x80, 4)); // list link, tuner connection
    const ConstSatelliteRecord view = sat;
    EXPECT_EQ(-50, view.orbitalPosition());
    EXPECT_EQ(3799, view.testChannelFrequency(2));
    EXPECT_EQ("PRE_CHAN_3", view.testChannelName(2));
    EXPECT_EQ(0xFFFF, view.testChannelFrequency(0)); // untouched test channel keeps the fill

    std::memcpy(bytes.data(), "ABCDEFGHIJKLMNOPQRST", 20); // overflows into the LNB fields on purpose
    EXPECT_EQ("ABCDEFGHIJKLMNOP", view.name());            // never reads past the field
    bytes[15] = 0;
    EXPECT_EQ("ABCDEFGHIJKLMNO", view.name());
}

TEST(SatelliteRecordView, LnbSwitchWordsArePerTunerAndBitFieldsStayApart) {
    auto bytes = freeBytes<132>();
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
    auto bytes = freeBytes<48>();
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

    EXPECT_EQ("ASTRA network", tp.networkName().substr(0, 13));
    EXPECT_EQ(14u, tp.networkName().size());
    EXPECT_EQ((V{0xB4, 0x2D, 0x6C, 0x6B, 0x31, 0x04, 0xFF}), at(bytes, 0x10, 7)); // 16 unused
    EXPECT_EQ(0x02u | (5u << 2) | (1u << 6), readLe32(bytes.data() + 0x18));
    EXPECT_EQ(3u | (9u << 14), readLe32(bytes.data() + 0x1C));
    EXPECT_EQ(0xBEEF, readLe16(bytes.data() + 0x20));
    EXPECT_EQ(5u, readLe32(bytes.data() + 0x24));
    EXPECT_EQ((V{0, 0xFF}), at(bytes, 0x28, 2));

    const TuningWord unused(0xFFFFFFF7);
    EXPECT_EQ(3u, unused.polarisation());
    EXPECT_EQ(5u, unused.fec());
    EXPECT_TRUE(unused.freeToAirOnly());
}

TEST(ChannelRecordView, PerTunerFieldsLieBesideEachOther) {
    auto bytes = freeBytes<112>();
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

    EXPECT_EQ(0x0105, readLe16(bytes.data() + 0x18 + 10));
    EXPECT_EQ((V{0x65, 0, 0x66, 0, 0x68, 0, 0x6A, 0}), at(bytes, 0x24, 8));
    EXPECT_EQ(1, bytes[0x38]);
    EXPECT_EQ(0x11u, readLe32(bytes.data() + 0x34));
    for (const std::size_t link : {0x40u, 0x48u, 0x50u, 0x58u})
        EXPECT_EQ(0x22u + 0x11u * (link - 0x40u) / 8u, readLe32(bytes.data() + link)) << link;
    EXPECT_EQ(0x83, bytes[0x5C + 8 + 7]);
    EXPECT_EQ((V{0xFF, 1, 0xFF}), at(bytes, 0x6C, 3)); // tuner-1 presence and the byte behind untouched
    EXPECT_EQ(0xFFFFFFFFu, readLe32(bytes.data() + 0x30));
    EXPECT_TRUE(ConstChannelRecord(bytes.data()).presentOn(1));
    EXPECT_TRUE(ConstChannelRecord(bytes.data()).presentOn(0)); // 0xFF fill counts as present
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
