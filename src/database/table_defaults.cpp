#include "database/table_defaults.h"

#include "database/settings_record.h"
#include "settings/position_reset.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace vorlane {
namespace {

constexpr std::uint16_t kLnbHighDefault = 10600;
constexpr std::uint16_t kLnbLowDefault = 9750;

// Cleared records: no service type, every service bit but the audio fields set, every language index 31.
constexpr std::uint8_t kServiceTypeNone = static_cast<std::uint8_t>(ServiceType::None);
constexpr std::uint32_t kClearedServiceWord = 0xFFFFCFFF;
constexpr std::uint32_t kClearedLanguages = 0x3FFFFFFF;
constexpr std::uint32_t kClearedTuning = 0xFFFFFFF7;
constexpr std::uint16_t kClearedTestSymbolRate = 2000;
constexpr std::uint16_t kClearedTestPid = 32;

// A free record of the image defaults keeps only the bits of its links that are not list positions.
constexpr std::uint32_t kMainLinkKeptBits = LinkWord::kKeptBit;
constexpr std::uint32_t kOtherLinkKeptBits = LinkWord::kKeptBit | LinkWord::kTunerSideBit;
constexpr std::uint32_t kDefaultTuning = 0x14; // polarisation auto, FEC auto

struct TestChannel {
    std::string_view name;
    std::uint16_t frequency;
    std::uint16_t symbolRate;
    std::uint16_t polarisation;
    std::uint16_t videoPid;
    std::uint16_t audioPid;
    std::uint16_t pcrPid;
};

constexpr std::array<TestChannel, SatelliteRecord::kTestChannelCount> kDefaultTestChannels = {{
    {"PRE_CHAN_1", 3720, 4420, 1, 160, 80, 160},
    {"PRE_CHAN_2", 4000, 28125, 1, 2305, 2306, 2304},
    {"PRE_CHAN_3", 3799, 5632, 1, 200, 280, 8190},
}};

std::uint8_t* channelSlot(ChannelDatabase& db, int slot) {
    return db.arrChannel() + kChannelRecordSize * static_cast<std::size_t>(slot);
}

void fillTable(std::uint8_t* base, std::size_t recordSize, int count) {
    std::memset(base, 0xFF, recordSize * static_cast<std::size_t>(count));
}

std::string numberedName(const char* format, int number) {
    char name[24];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

void clearSatellite(const SatelliteRecord& sat, int index) {
    sat.setName(numberedName("Satellite%02d", index + 1));
    for (int t = 0; t < SatelliteRecord::kTestChannelCount; ++t) {
        sat.setTestChannelSymbolRate(t, kClearedTestSymbolRate);
        sat.setTestChannelVideoPid(t, kClearedTestPid);
        sat.setTestChannelAudioPid(t, kClearedTestPid);
        sat.setTestChannelPcrPid(t, kClearedTestPid);
    }
    sat.setLnbType(0);
    sat.setLnbHighFrequency(kLnbHighDefault);
    sat.setLnbLowFrequency(kLnbLowDefault);
}

void defaultSatellite(const SatelliteRecord& sat, int index) {
    sat.setName(numberedName("SAT_%02i", index + 1));
    sat.setListLink(LinkWord().withKey(static_cast<unsigned>(index)).toForm16());
    sat.setOrbitalPosition(0);
    sat.setMotorIndex(0);
    sat.setLnbHighFrequency(kLnbHighDefault);
    sat.setLnbLowFrequency(kLnbLowDefault);
    sat.setLnbSwitch(0, LnbSwitchWord(0));
    sat.setLnbSwitch(1, LnbSwitchWord(0));
    sat.setTunerConnection(0);
    for (int t = 0; t < SatelliteRecord::kTestChannelCount; ++t) {
        const TestChannel& test = kDefaultTestChannels[static_cast<std::size_t>(t)];
        sat.setTestChannelName(t, test.name);
        sat.setTestChannelFrequency(t, test.frequency);
        sat.setTestChannelSymbolRate(t, test.symbolRate);
        sat.setTestChannelPolarisation(t, test.polarisation);
        sat.setTestChannelVideoPid(t, test.videoPid);
        sat.setTestChannelAudioPid(t, test.audioPid);
        sat.setTestChannelPcrPid(t, test.pcrPid);
    }
}

void defaultTransponder(const TransponderRecord& tp) {
    tp.setNewRecordMark(0);
    tp.setFrequency(0);
    tp.setSymbolRate(0);
    tp.setTransportStreamId(0);
    tp.setTuning(TuningWord(kDefaultTuning));
    tp.setListLink(0);
    tp.setSatelliteLink(LinkWord(tp.satelliteLink().value() & kOtherLinkKeptBits));
}

void defaultChannel(const ChannelRecord& ch) {
    ch.setServiceType(kServiceTypeNone);
    ch.setAudioLanguages(AudioLanguages(0));
    for (int a = 0; a < ChannelRecord::kAudioPidCount; ++a)
        ch.setAudioPid(a, 0);
    ch.setVideoPid(0);
    ch.setPcrPid(0);
    ch.setTeletextPid(0);
    for (int side = 0; side < kTunerCount; ++side) {
        ch.setServiceWord(side, ServiceWord(0));
        ch.setMainLink(side, LinkWord(ch.mainLink(side).value() & kMainLinkKeptBits));
        ch.setFsLink(side, LinkWord(ch.fsLink(side).value() & kOtherLinkKeptBits));
        ch.setSatelliteLink(side, LinkWord(ch.satelliteLink(side).value() & kOtherLinkKeptBits));
        ch.setTransponderLink(side, LinkWord(ch.transponderLink(side).value() & kOtherLinkKeptBits));
        for (int g = 0; g < ChannelRecord::kFavouriteGroupCount; ++g)
            ch.setFavouriteByte(side, g, 0);
        ch.setPresence(side, 0);
    }
}

} // namespace

void ClearTables(ChannelDatabase& db) {
    fillTable(db.arrChannel(), kChannelRecordSize, static_cast<int>(kChannelSlotsInBuffer));
    for (int slot = 0; slot < static_cast<int>(kChannelSlotsInBuffer); ++slot) {
        const ChannelRecord ch(channelSlot(db, slot));
        ch.setServiceType(kServiceTypeNone);
        ch.setServiceWord(0, ServiceWord(kClearedServiceWord));
        ch.setServiceWord(1, ServiceWord(kClearedServiceWord));
        ch.setAudioLanguages(AudioLanguages(kClearedLanguages));
    }

    const ByteSpan satellites = db.satelliteBuffer();
    std::memset(satellites.data(), 0xFF, satellites.size());
    for (int i = 0; i < kSatelliteCount; ++i)
        clearSatellite(db.satellite(i), i);
    for (int t = 0; t < kTransponderCount; ++t)
        db.transponder(t).setTuning(TuningWord(kClearedTuning));
}

void ApplyImageDefaults(ChannelDatabase& db) {
    ReceiverSettings settings = CurrentReceiverSettings(db);
    ResetPositions(settings);

    fillTable(db.arrSatellite(), kSatelliteRecordSize, kSatelliteCount);
    for (int i = 0; i < kSatelliteCount; ++i)
        defaultSatellite(db.satellite(i), i);

    fillTable(db.arrTransponder(), kTransponderRecordSize, kTransponderCount);
    for (int t = 0; t < kTransponderCount; ++t)
        defaultTransponder(db.transponder(t));

    fillTable(db.arrChannel(), kChannelRecordSize, kChannelCount);
    for (int c = 0; c < kChannelCount; ++c)
        defaultChannel(db.channel(c));
}

} // namespace vorlane
