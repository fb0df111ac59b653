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
    int between(int low, int high) { return low + below(high - low + 1); }
    unsigned any(int n) { return static_cast<unsigned>(below(n)); }
    // Fisher-Yates over 0..n-1.
    std::vector<int> permutation(int n) {
        std::vector<int> order(static_cast<std::size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        for (int i = n - 1; i > 0; --i)
            std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(below(i + 1))]);
        return order;
    }
    // `count` distinct slots of a table of `capacity`, ascending.
    std::vector<int> slots(int count, int capacity) {
        std::vector<int> chosen = permutation(capacity);
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

int clampTo(int value, int capacity) {
    return std::clamp(value, 0, capacity);
}

std::string satelliteName(Random& random, int index, std::int16_t position) {
    const int tenths = position < 0 ? -position : position;
    std::string name = std::string(random.pick(kSatelliteNames)) + " " + std::to_string(tenths / 10) + "." +
                       std::to_string(tenths % 10) + (position < 0 ? "W" : "E");
    // Names that fill all 16 bytes are cut when an image is loaded; keep to 15 so images round-trip.
    if (name.size() > 15)
        name = "Sat " + std::to_string(index + 1);
    return name;
}

// 1 to 20 characters; now and then exactly 20, which leaves no terminator in the record.
std::string channelName(Random& random, int slot) {
    if (random.percent(3))
        return "CH" + std::string(18, static_cast<char>('A' + slot % 26));
    std::string name(random.pick(kWords));
    const int words = random.below(3);
    for (int w = 0; w < words; ++w)
        name += " " + std::string(random.pick(kWords));
    if (random.percent(40))
        name += " " + std::to_string(random.between(1, 999));
    if (random.percent(5))
        name = name.substr(0, 1);
    return name.substr(0, ChannelRecord::kNameLength);
}

void fillSatellites(ChannelDatabase& db, Random& random, int used) {
    const std::vector<int> listOrder = random.permutation(kSatelliteCount);
    for (int i = 0; i < kSatelliteCount; ++i)
        db.satellite(i).setListLink(LinkWord().withKey(static_cast<unsigned>(listOrder[i])).toForm16());
    for (int i = 0; i < used; ++i) {
        const SatelliteRecord sat = db.satellite(i);
        const auto position = static_cast<std::int16_t>(random.between(-300, 1800));
        sat.setName(satelliteName(random, i, position));
        sat.setOrbitalPosition(position);
        sat.setMotorIndex(static_cast<std::uint8_t>(random.below(4)));
        const bool universal = i % 2 == 0;
        sat.setLnbType(static_cast<std::int8_t>(universal ? SatelliteRecord::kLnbTypeUniversal : 2 * random.below(2)));
        sat.setLnbHighFrequency(universal ? 10600 : 10750);
        sat.setLnbLowFrequency(universal ? 9750 : 10750);
        for (int side = 0; side < kTunerCount; ++side) {
            LnbSwitchWord lnbSwitch;
            lnbSwitch.setToneFlag(random.any(2));
            lnbSwitch.setLnbPower(2);
            lnbSwitch.setDiseqcType(random.any(6));
            lnbSwitch.setDiseqcPort(random.any(4));
            lnbSwitch.setToneBurst(random.any(3));
            sat.setLnbSwitch(side, lnbSwitch);
        }
        sat.setTunerConnection(static_cast<std::int8_t>(random.below(2)));
    }
}

unsigned transponderFrequency(Random& random) {
    const int roll = random.below(100);
    if (roll < 5)
        return static_cast<unsigned>(random.between(3400, 4200)); // C band
    if (roll < 15)
        return static_cast<unsigned>(random.between(10000, 10699)); // below the universal bands
    if (roll < 18)
        return random.percent(50) ? 10700u : 11700u; // band edges
    return static_cast<unsigned>(random.between(10700, 12749));
}

// Returns the used transponder slots.
std::vector<int> fillTransponders(ChannelDatabase& db, Random& random, int count, int satellites) {
    const std::vector<int> used = random.slots(count, kTransponderCount);
    const std::vector<int> listOrder = random.permutation(count);
    std::array<unsigned, kSatelliteCount> perSatellite{};
    for (std::size_t n = 0; n < used.size(); ++n) {
        const TransponderRecord tp = db.transponder(used[n]);
        const int satellite = random.below(satellites);
        tp.setNetworkId(static_cast<std::uint16_t>(random.between(1, 0xFFFE)));
        tp.setNetworkName(random.percent(20)
                              ? std::string()
                              : std::string(random.pick(kWords)) + " Net " + std::to_string(random.below(100)));
        tp.setFrequency(static_cast<std::uint16_t>(transponderFrequency(random)));
        tp.setSymbolRate(random.pick(kSymbolRates));
        tp.setTransportStreamId(static_cast<std::uint16_t>(random.below(0x10000)));
        TuningWord tuning(0);
        const int pol = random.below(10);
        tuning.setPolarisation(pol == 0   ? kPolarisationAuto
                               : pol <= 5 ? kPolarisationHorizontal
                                          : kPolarisationVertical);
        tuning.setFec(random.any(6));
        tuning.setFreeToAirOnly(random.percent(30));
        tp.setTuning(tuning);
        const LinkWord satelliteLink = LinkWord(tp.satelliteLink().value() & kKept)
                                           .withIndex(static_cast<unsigned>(satellite))
                                           .withKey(perSatellite[satellite]++);
        tp.setSatelliteLink(satelliteLink);
        tp.setListLink(LinkWord().withKey(static_cast<unsigned>(listOrder[n])).toForm16());
        tp.setBandLink(LinkWord());
        tp.setNewRecordMark(0);
    }
    return used;
}

ServiceType channelType(Random& random) {
    const int roll = random.below(100);
    return roll < 70 ? ServiceType::Tv : roll < 95 ? ServiceType::Radio : ServiceType::Data;
}

void fillChannelPids(const ChannelRecord& ch, Random& random, ServiceType type, int slot, int audioCount) {
    ch.setPmtPid(static_cast<std::uint16_t>(random.between(0x20, 0x1FFE)));
    ch.setProgramNumber(static_cast<std::uint16_t>(slot + 1));
    AudioLanguages languages(0);
    for (int a = 0; a < ChannelRecord::kAudioPidCount; ++a) {
        ch.setAudioPid(a, static_cast<std::uint16_t>(a < audioCount ? random.between(0x40, 0x1FFE) : 0));
        languages.setLanguage(a, a < audioCount ? random.any(31) : 0u);
    }
    ch.setAudioLanguages(languages);
    const auto video = static_cast<std::uint16_t>(type == ServiceType::Tv ? random.between(0x40, 0x1FFE) : 0);
    ch.setVideoPid(video);
    ch.setPcrPid(video != 0 ? video : ch.audioPid(0));
    ch.setTeletextPid(static_cast<std::uint16_t>(random.percent(30) ? random.between(0x40, 0x1FFE) : 0));
    ch.setAc3Pid(static_cast<std::uint16_t>(random.percent(10) ? random.between(0x40, 0x1FFE) : 0));
}

class ChannelFiller {
public:
    ChannelFiller(ChannelDatabase& db, Random& random, const std::vector<int>& transponders, bool bothTuners)
        : m_db(db), m_random(random), m_transponders(transponders), m_bothTuners(bothTuners) {
        for (int side = 0; side < kTunerCount; ++side) {
            m_mainKeys[side] = random.permutation(kChannelCount);
            m_otherKeys[side] = random.permutation(kChannelCount);
        }
    }

    void fill(int slot) {
        const ChannelRecord ch = m_db.channel(slot);
        const ServiceType type = channelType(m_random);
        const int transponder = m_random.pick(m_transponders);
        const int audioCount = type == ServiceType::Data ? 0 : m_random.between(1, 3);
        ch.setName(channelName(m_random, slot));
        ch.setServiceType(static_cast<std::uint8_t>(type));
        fillChannelPids(ch, m_random, type, slot, audioCount);

        const int presence = m_bothTuners ? 0 : m_random.below(4); // 0, 1: both; 2: tuner 1; 3: tuner 2
        const bool scrambled = m_random.percent(30);
        for (int side = 0; side < kTunerCount; ++side) {
            const bool present = presence <= 1 || presence == 2 + side;
            if (present)
                fillSide(ch, slot, side, type, transponder, scrambled, audioCount);
        }
    }

private:
    void fillSide(const ChannelRecord& ch, int slot, int side, ServiceType type, int transponder, bool scrambled,
                  int audioCount) {
        ServiceWord service(0);
        service.setScrambled(scrambled);
        service.setLocked(m_random.percent(5));
        service.setSkipped(m_random.percent(5));
        service.setAudioPidCount(static_cast<unsigned>(audioCount));
        service.setSelectedAudio(audioCount > 1 ? m_random.any(audioCount) : 0u);
        service.setAudioMode(m_random.any(4));
        ch.setServiceWord(side, service);

        const unsigned satellite = m_db.transponder(transponder).satelliteLink().index();
        const LinkWord typed =
            LinkWord().withType(static_cast<unsigned>(type)).withTunerSide(static_cast<unsigned>(side));
        const LinkWord main = typed.withKey(static_cast<unsigned>(m_mainKeys[side][slot]));
        const LinkWord other = typed.withKey(static_cast<unsigned>(m_otherKeys[side][slot]));
        ch.setMainLink(side, keepBit31(ch.mainLink(side), main));
        ch.setFsLink(side, keepBit31(ch.fsLink(side), other.withIndex(scrambled ? 1 : 0)));
        ch.setSatelliteLink(side, keepBit31(ch.satelliteLink(side), other.withIndex(satellite)));
        ch.setTransponderLink(side,
                              keepBit31(ch.transponderLink(side), other.withIndex(static_cast<unsigned>(transponder))));
        joinFavourites(ch, side);
        ch.setPresence(side, 1);
    }

    void joinFavourites(const ChannelRecord& ch, int side) {
        if (!m_random.percent(12))
            return;
        const int groups = m_random.percent(25) ? 2 : 1;
        for (int n = 0; n < groups; ++n) {
            const int group = m_random.below(ChannelRecord::kFavouriteGroupCount);
            int& members = m_favouriteMembers[group][side];
            if (ch.favouriteByte(side, group) != 0 || members >= OrderedLists::kMaxFavouriteMembers)
                continue;
            ch.setFavouriteByte(side, group, static_cast<std::uint8_t>(0x80 | members++));
        }
    }

    static LinkWord keepBit31(LinkWord stored, LinkWord link) {
        return LinkWord((stored.value() & kKept) | (link.value() & ~kKept));
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

SampleOptions fullSampleOptions(std::uint32_t seed) {
    return SampleOptions{seed, kSatelliteCount, kTransponderCount, kChannelCount, true};
}

int makeSampleDatabase(ChannelDatabase& db, const SampleOptions& options) {
    Init(db);
    Random random(options.seed);
    const int satellites = clampTo(options.satellites, kSatelliteCount);
    const int transponders = satellites > 0 ? clampTo(options.transponders, kTransponderCount) : 0;
    const int channels = transponders > 0 ? clampTo(options.channels, kChannelCount) : 0;

    fillSatellites(db, random, satellites);
    const std::vector<int> usedTransponders = fillTransponders(db, random, transponders, satellites);
    ChannelFiller filler(db, random, usedTransponders, options.everyChannelOnBothTuners);
    for (const int slot : random.slots(channels, kChannelCount))
        filler.fill(slot);
    return db.BuildAllLists();
}

} // namespace vorlane::testing
