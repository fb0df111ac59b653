#include "sample_database.h"

#include "random_edits.h"

#include "database/database_lifecycle.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::testing {
namespace {

class Random : public Dice {
public:
    using Dice::Dice;
    int Between(int low, int high) { return low + Below(high - low + 1); }
    unsigned Any(int n) { return static_cast<unsigned>(Below(n)); }
    // Fisher-Yates over 0..n-1.
    std::vector<int> Permutation(int n) {
        std::vector<int> order(static_cast<std::size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        for (int i = n - 1; i > 0; --i)
            std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(Below(i + 1))]);
        return order;
    }
    // `count` distinct slots of a table of `capacity`, ascending.
    std::vector<int> Slots(int count, int capacity) {
        std::vector<int> chosen = Permutation(capacity);
        chosen.resize(static_cast<std::size_t>(count));
        std::sort(chosen.begin(), chosen.end());
        return chosen;
    }
};

constexpr std::array<std::string_view, 12> kSatelliteNames = {"Orbis",   "Helion",    "Kestrel", "Vanta",
                                                              "Meridia", "Polaris-K", "Tessera", "Ardent",
                                                              "Zenit",   "Lumen",     "Corvus",  "Halcyon"};
constexpr std::array<std::string_view, 24> kWords = {
    "Nova", "Sky",  "Alpha", "Radio", "News", "Kino", "Sport", "Music",  "Info", "Max", "Prime", "One",
    "Plus", "Euro", "Cine",  "Kids",  "Docu", "Jazz", "Retro", "Vision", "TV",   "FM",  "Data",  "HD"};
constexpr std::array<std::uint16_t, 6> kSymbolRates = {22000, 27500, 29700, 30000, 4420, 6111};

constexpr std::uint32_t kKept = LinkWord::kKeptBit;

int ClampTo(int value, int capacity) {
    return std::clamp(value, 0, capacity);
}

std::string SatelliteNameAt(Random& random, int index, std::int16_t position) {
    const int tenths = position < 0 ? -position : position;
    std::string name = std::string(random.Pick(kSatelliteNames)) + " " + std::to_string(tenths / 10) + "." +
                       std::to_string(tenths % 10) + (position < 0 ? "W" : "E");
    // Names that fill all 16 bytes are cut when an image is loaded; keep to 15 so images round-trip.
    if (name.size() > 15)
        name = "Sat " + std::to_string(index + 1);
    return name;
}

// 1 to 20 characters; now and then exactly 20, which leaves no terminator in the record.
std::string ChannelName(Random& random, int slot) {
    if (random.Percent(3))
        return "CH" + std::string(18, static_cast<char>('A' + slot % 26));
    std::string name(random.Pick(kWords));
    const int words = random.Below(3);
    for (int w = 0; w < words; ++w)
        name += " " + std::string(random.Pick(kWords));
    if (random.Percent(40))
        name += " " + std::to_string(random.Between(1, 999));
    if (random.Percent(5))
        name = name.substr(0, 1);
    return name.substr(0, ChannelRecord::kNameLength);
}

void FillSatellites(ChannelDatabase& db, Random& random, int used) {
    const std::vector<int> listOrder = random.Permutation(kSatelliteCount);
    for (int i = 0; i < kSatelliteCount; ++i)
        db.Satellite(i).SetListLink(LinkWord().WithKey(static_cast<unsigned>(listOrder[i])).ToForm16());
    for (int i = 0; i < used; ++i) {
        const SatelliteRecord sat = db.Satellite(i);
        const auto position = static_cast<std::int16_t>(random.Between(-300, 1800));
        sat.SetName(SatelliteNameAt(random, i, position));
        sat.SetOrbitalPosition(position);
        sat.SetMotorIndex(static_cast<std::uint8_t>(random.Below(4)));
        const bool universal = i % 2 == 0;
        sat.SetLnbType(static_cast<std::int8_t>(universal ? SatelliteRecord::kLnbTypeUniversal : 2 * random.Below(2)));
        sat.SetLnbHighFrequency(universal ? 10600 : 10750);
        sat.SetLnbLowFrequency(universal ? 9750 : 10750);
        for (const TunerSide side : kTunerSides) {
            LnbSwitchWord lnbSwitch;
            lnbSwitch.SetToneFlag(random.Any(2));
            lnbSwitch.SetLnbPower(2);
            lnbSwitch.SetDiseqcType(random.Any(6));
            lnbSwitch.SetDiseqcPort(random.Any(4));
            lnbSwitch.SetToneBurst(random.Any(3));
            sat.SetLnbSwitch(side, lnbSwitch);
        }
        sat.SetTunerConnection(static_cast<std::int8_t>(random.Below(2)));
    }
}

unsigned TransponderFrequency(Random& random) {
    const int roll = random.Below(100);
    if (roll < 5)
        return static_cast<unsigned>(random.Between(3400, 4200)); // C band
    if (roll < 15)
        return static_cast<unsigned>(random.Between(10000, 10699)); // below the universal bands
    if (roll < 18)
        return random.Percent(50) ? 10700u : 11700u; // band edges
    return static_cast<unsigned>(random.Between(10700, 12749));
}

// Returns the used transponder slots.
std::vector<int> FillTransponders(ChannelDatabase& db, Random& random, int count, int satellites) {
    const std::vector<int> used = random.Slots(count, kTransponderCount);
    const std::vector<int> listOrder = random.Permutation(count);
    std::array<unsigned, kSatelliteCount> perSatellite{};
    for (std::size_t n = 0; n < used.size(); ++n) {
        const TransponderRecord tp = db.Transponder(used[n]);
        const int satellite = random.Below(satellites);
        tp.SetNetworkId(static_cast<std::uint16_t>(random.Between(1, 0xFFFE)));
        tp.SetNetworkName(random.Percent(20)
                              ? std::string()
                              : std::string(random.Pick(kWords)) + " Net " + std::to_string(random.Below(100)));
        tp.SetFrequency(static_cast<std::uint16_t>(TransponderFrequency(random)));
        tp.SetSymbolRate(random.Pick(kSymbolRates));
        tp.SetTransportStreamId(static_cast<std::uint16_t>(random.Below(0x10000)));
        TuningWord tuning(0);
        const int pol = random.Below(10);
        tuning.SetPolarisation(pol == 0   ? kPolarisationAuto
                               : pol <= 5 ? kPolarisationHorizontal
                                          : kPolarisationVertical);
        tuning.SetFec(random.Any(6));
        tuning.SetFreeToAirOnly(random.Percent(30));
        tp.SetTuning(tuning);
        const LinkWord satelliteLink = LinkWord(tp.SatelliteLink().Value() & kKept)
                                           .WithIndex(static_cast<unsigned>(satellite))
                                           .WithKey(perSatellite[satellite]++);
        tp.SetSatelliteLink(satelliteLink);
        tp.SetListLink(LinkWord().WithKey(static_cast<unsigned>(listOrder[n])).ToForm16());
        tp.SetBandLink(LinkWord());
        tp.SetNewRecordMark(0);
    }
    return used;
}

ServiceType ChannelType(Random& random) {
    const int roll = random.Below(100);
    return roll < 70 ? ServiceType::Tv : roll < 95 ? ServiceType::Radio : ServiceType::Data;
}

void FillChannelPids(const ChannelRecord& ch, Random& random, ServiceType type, int slot, int audioCount) {
    ch.SetPmtPid(static_cast<std::uint16_t>(random.Between(0x20, 0x1FFE)));
    ch.SetProgramNumber(static_cast<std::uint16_t>(slot + 1));
    AudioLanguages languages(0);
    for (int a = 0; a < ChannelRecord::kAudioPidCount; ++a) {
        ch.SetAudioPid(a, static_cast<std::uint16_t>(a < audioCount ? random.Between(0x40, 0x1FFE) : 0));
        languages.SetLanguage(a, a < audioCount ? random.Any(31) : 0u);
    }
    ch.SetAudioLanguages(languages);
    const auto video = static_cast<std::uint16_t>(type == ServiceType::Tv ? random.Between(0x40, 0x1FFE) : 0);
    ch.SetVideoPid(video);
    ch.SetPcrPid(video != 0 ? video : ch.AudioPid(0));
    ch.SetTeletextPid(static_cast<std::uint16_t>(random.Percent(30) ? random.Between(0x40, 0x1FFE) : 0));
    ch.SetAc3Pid(static_cast<std::uint16_t>(random.Percent(10) ? random.Between(0x40, 0x1FFE) : 0));
}

class ChannelFiller {
public:
    ChannelFiller(ChannelDatabase& db, Random& random, const std::vector<int>& transponders, bool bothTuners)
        : m_db(db), m_random(random), m_transponders(transponders), m_bothTuners(bothTuners) {
        for (const TunerSide side : kTunerSides) {
            m_mainKeys[SideIndex(side)] = random.Permutation(kChannelCount);
            m_otherKeys[SideIndex(side)] = random.Permutation(kChannelCount);
        }
    }

    void Fill(int slot) {
        const ChannelRecord ch = m_db.Channel(slot);
        const ServiceType type = ChannelType(m_random);
        const int transponder = m_random.Pick(m_transponders);
        const int audioCount = type == ServiceType::Data ? 0 : m_random.Between(1, 3);
        ch.SetName(ChannelName(m_random, slot));
        ch.SetServiceType(static_cast<std::uint8_t>(type));
        FillChannelPids(ch, m_random, type, slot, audioCount);

        const int presence = m_bothTuners ? 0 : m_random.Below(4); // 0, 1: both; 2: tuner 1; 3: tuner 2
        const bool scrambled = m_random.Percent(30);
        for (const TunerSide side : kTunerSides) {
            const bool present = presence <= 1 || presence == 2 + SideIndex(side);
            if (present)
                FillSide(ch, slot, side, type, transponder, scrambled, audioCount);
        }
    }

private:
    void FillSide(const ChannelRecord& ch, int slot, TunerSide side, ServiceType type, int transponder, bool scrambled,
                  int audioCount) {
        ServiceWord service(0);
        service.SetScrambled(scrambled);
        service.SetLocked(m_random.Percent(5));
        service.SetSkipped(m_random.Percent(5));
        service.SetAudioPidCount(static_cast<unsigned>(audioCount));
        service.SetSelectedAudio(audioCount > 1 ? m_random.Any(audioCount) : 0u);
        service.SetAudioMode(m_random.Any(4));
        ch.SetServiceWord(side, service);

        const unsigned satellite = m_db.Transponder(transponder).SatelliteLink().Index();
        const LinkWord typed = LinkWord().WithType(static_cast<unsigned>(type)).WithSide(side);
        const LinkWord main = typed.WithKey(static_cast<unsigned>(m_mainKeys[SideIndex(side)][slot]));
        const LinkWord other = typed.WithKey(static_cast<unsigned>(m_otherKeys[SideIndex(side)][slot]));
        ch.SetMainLink(side, KeepBit31(ch.MainLink(side), main));
        ch.SetFsLink(side, KeepBit31(ch.FsLink(side), other.WithIndex(scrambled ? 1 : 0)));
        ch.SetSatelliteLink(side, KeepBit31(ch.SatelliteLink(side), other.WithIndex(satellite)));
        ch.SetTransponderLink(side,
                              KeepBit31(ch.TransponderLink(side), other.WithIndex(static_cast<unsigned>(transponder))));
        JoinFavourites(ch, side);
        ch.SetPresence(side, 1);
    }

    void JoinFavourites(const ChannelRecord& ch, TunerSide side) {
        if (!m_random.Percent(12))
            return;
        const int groups = m_random.Percent(25) ? 2 : 1;
        for (int n = 0; n < groups; ++n) {
            const int group = m_random.Below(ChannelRecord::kFavouriteGroupCount);
            int& members = m_favouriteMembers[group][SideIndex(side)];
            if (ch.FavouriteByte(side, group) != 0 || members >= OrderedLists::kMaxFavouriteMembers)
                continue;
            ch.SetFavouriteByte(side, group, static_cast<std::uint8_t>(0x80 | members++));
        }
    }

    static LinkWord KeepBit31(LinkWord stored, LinkWord link) {
        return LinkWord((stored.Value() & kKept) | (link.Value() & ~kKept));
    }

    ChannelDatabase& m_db;
    Random& m_random;
    const std::vector<int>& m_transponders;
    bool m_bothTuners;
    std::array<std::vector<int>, kTunerCount> m_mainKeys;
    std::array<std::vector<int>, kTunerCount> m_otherKeys;
    std::array<std::array<int, kTunerCount>, ChannelRecord::kFavouriteGroupCount> m_favouriteMembers{};
};

} // namespace

SampleOptions FullSampleOptions(std::uint32_t seed) {
    return SampleOptions{seed, kSatelliteCount, kTransponderCount, kChannelCount, true};
}

int MakeSampleDatabase(ChannelDatabase& db, const SampleOptions& options) {
    Init(db);
    Random random(options.seed);
    const int satellites = ClampTo(options.satellites, kSatelliteCount);
    const int transponders = satellites > 0 ? ClampTo(options.transponders, kTransponderCount) : 0;
    const int channels = transponders > 0 ? ClampTo(options.channels, kChannelCount) : 0;

    FillSatellites(db, random, satellites);
    const std::vector<int> usedTransponders = FillTransponders(db, random, transponders, satellites);
    ChannelFiller filler(db, random, usedTransponders, options.everyChannelOnBothTuners);
    for (const int slot : random.Slots(channels, kChannelCount))
        filler.Fill(slot);
    return db.BuildAllLists().value_or(-1);
}

} // namespace vorlane::testing
