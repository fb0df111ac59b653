#include "importexport/tuner_one_placement.h"

namespace vorlane {

namespace {

constexpr int kTuner1 = 0;

LinkWord TunerOneLink(LinkWord old, unsigned type, unsigned key, unsigned index) {
    return old.withIndex(index).withKey(key).withType(type).withTunerSide(0);
}

} // namespace

void TunerOnePlacement::Place(ChannelRecord channel, ServiceType serviceType, int satellite, int transponder) {
    const auto type = static_cast<unsigned>(serviceType);
    const unsigned key = m_nextKey[type]++;
    channel.setServiceType(static_cast<std::uint8_t>(type));
    const unsigned scrambled = channel.serviceWord(kTuner1).scrambled() ? 1u : 0u;

    channel.setMainLink(kTuner1, TunerOneLink(channel.mainLink(kTuner1), type, key, 0));
    channel.setFsLink(kTuner1, TunerOneLink(channel.fsLink(kTuner1), type, key, scrambled));
    channel.setSatelliteLink(kTuner1,
                             TunerOneLink(channel.satelliteLink(kTuner1), type, key, static_cast<unsigned>(satellite)));
    channel.setTransponderLink(
        kTuner1, TunerOneLink(channel.transponderLink(kTuner1), type, key, static_cast<unsigned>(transponder)));
    channel.setPresence(kTuner1, 1);
}

} // namespace vorlane
