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

std::uint8_t* ChannelSlot(ChannelDatabase& db, int slot) {
    return db.arrChannel() + kChannelRecordSize * static_cast<std::size_t>(slot);
}

void FillTable(std::uint8_t* base, std::size_t recordSize, int count) {
    std::memset(base, 0xFF, recordSize * static_cast<std::size_t>(count));
}

std::string NumberedName(const char* format, int number) {
    char name[24];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

void ClearSatellite(const SatelliteRecord& sat, int index) {
    sat.SetName(NumberedName("Satellite%02d", index + 1));
    for (int t = 0; t < SatelliteRecord::kTestChannelCount; ++t) {
        sat.SetTestChannelSymbolRate(t, kClearedTestSymbolRate);
        sat.SetTestChannelVideoPid(t, kClearedTestPid);
        sat.SetTestChannelAudioPid(t, kClearedTestPid);
        sat.SetTestChannelPcrPid(t, kClearedTestPid);
    }
    sat.SetLnbType(0);
    sat.SetLnbHighFrequency(kLnbHighDefault);
    sat.SetLnbLowFrequency(kLnbLowDefault);
}

void DefaultSatellite(const SatelliteRecord& sat, int index) {
    sat.SetName(NumberedName("SAT_%02i", index + 1));
    sat.SetListLink(LinkWord().WithKey(static_cast<unsigned>(index)).ToForm16());
    sat.SetOrbitalPosition(0);
    sat.SetMotorIndex(0);
    sat.SetLnbHighFrequency(kLnbHighDefault);
    sat.SetLnbLowFrequency(kLnbLowDefault);
    sat.SetLnbSwitch(TunerSide::First, LnbSwitchWord(0));
    sat.SetLnbSwitch(TunerSide::Second, LnbSwitchWord(0));
    sat.SetTunerConnection(0);
    for (int t = 0; t < SatelliteRecord::kTestChannelCount; ++t) {
        const TestChannel& test = kDefaultTestChannels[static_cast<std::size_t>(t)];
        sat.SetTestChannelName(t, test.name);
        sat.SetTestChannelFrequency(t, test.frequency);
        sat.SetTestChannelSymbolRate(t, test.symbolRate);
        sat.SetTestChannelPolarisation(t, test.polarisation);
        sat.SetTestChannelVideoPid(t, test.videoPid);
        sat.SetTestChannelAudioPid(t, test.audioPid);
        sat.SetTestChannelPcrPid(t, test.pcrPid);
    }
}

void DefaultTransponder(const TransponderRecord& tp) {
    tp.SetNewRecordMark(0);
    tp.SetFrequency(0);
    tp.SetSymbolRate(0);
    tp.SetTransportStreamId(0);
    tp.SetTuning(TuningWord(kDefaultTuning));
    tp.SetListLink(0);
    tp.SetSatelliteLink(LinkWord(tp.SatelliteLink().Value() & kOtherLinkKeptBits));
}

void DefaultChannel(const ChannelRecord& ch) {
    ch.SetServiceType(kServiceTypeNone);
    ch.SetAudioLanguages(AudioLanguages(0));
    for (int a = 0; a < ChannelRecord::kAudioPidCount; ++a)
        ch.SetAudioPid(a, 0);
    ch.SetVideoPid(0);
    ch.SetPcrPid(0);
    ch.SetTeletextPid(0);
    for (const TunerSide side : kTunerSides) {
        ch.SetServiceWord(side, ServiceWord(0));
        ch.SetMainLink(side, LinkWord(ch.MainLink(side).Value() & kMainLinkKeptBits));
        ch.SetFsLink(side, LinkWord(ch.FsLink(side).Value() & kOtherLinkKeptBits));
        ch.SetSatelliteLink(side, LinkWord(ch.SatelliteLink(side).Value() & kOtherLinkKeptBits));
        ch.SetTransponderLink(side, LinkWord(ch.TransponderLink(side).Value() & kOtherLinkKeptBits));
        for (int g = 0; g < ChannelRecord::kFavouriteGroupCount; ++g)
            ch.SetFavouriteByte(side, g, 0);
        ch.SetPresence(side, 0);
    }
}

} // namespace

void ClearTables(ChannelDatabase& db) {
    FillTable(db.arrChannel(), kChannelRecordSize, static_cast<int>(kChannelSlotsInBuffer));
    for (int slot = 0; slot < static_cast<int>(kChannelSlotsInBuffer); ++slot) {
        const ChannelRecord ch(ChannelSlot(db, slot));
        ch.SetServiceType(kServiceTypeNone);
        ch.SetServiceWord(TunerSide::First, ServiceWord(kClearedServiceWord));
        ch.SetServiceWord(TunerSide::Second, ServiceWord(kClearedServiceWord));
        ch.SetAudioLanguages(AudioLanguages(kClearedLanguages));
    }

    const ByteSpan satellites = db.SatelliteBuffer();
    std::memset(satellites.data(), 0xFF, satellites.size());
    for (int i = 0; i < kSatelliteCount; ++i)
        ClearSatellite(db.Satellite(i), i);
    for (int t = 0; t < kTransponderCount; ++t)
        db.Transponder(t).SetTuning(TuningWord(kClearedTuning));
}

void ApplyImageDefaults(ChannelDatabase& db) {
    ReceiverSettings settings = CurrentReceiverSettings(db);
    ResetPositions(settings);

    FillTable(db.arrSatellite(), kSatelliteRecordSize, kSatelliteCount);
    for (int i = 0; i < kSatelliteCount; ++i)
        DefaultSatellite(db.Satellite(i), i);

    FillTable(db.arrTransponder(), kTransponderRecordSize, kTransponderCount);
    for (int t = 0; t < kTransponderCount; ++t)
        DefaultTransponder(db.Transponder(t));

    FillTable(db.arrChannel(), kChannelRecordSize, kChannelCount);
    for (int c = 0; c < kChannelCount; ++c)
        DefaultChannel(db.Channel(c));
}

} // namespace vorlane
