#include "importexport/tuner_one_placement.h"

namespace vorlane {

namespace {

constexpr TunerSide kTuner1 = TunerSide::First;

LinkWord TunerOneLink(LinkWord old, unsigned type, unsigned key, unsigned index) {
    return old.WithIndex(index).WithKey(key).WithType(type).WithTunerSide(SideBit(kTuner1));
}

} // namespace

void TunerOnePlacement::Place(ChannelRecord channel, ServiceType serviceType, int satellite, int transponder) {
    const auto type = static_cast<unsigned>(serviceType);
    const unsigned key = m_nextKey[type]++;
    channel.SetServiceType(static_cast<std::uint8_t>(type));
    const unsigned scrambled = channel.SidedServiceWord(kTuner1).Scrambled() ? 1u : 0u;

    channel.SetMainLink(kTuner1, TunerOneLink(channel.MainLink(kTuner1), type, key, 0));
    channel.SetFsLink(kTuner1, TunerOneLink(channel.FsLink(kTuner1), type, key, scrambled));
    channel.SetSatelliteLink(kTuner1,
                             TunerOneLink(channel.SatelliteLink(kTuner1), type, key, static_cast<unsigned>(satellite)));
    channel.SetTransponderLink(
        kTuner1, TunerOneLink(channel.TransponderLink(kTuner1), type, key, static_cast<unsigned>(transponder)));
    channel.SetPresence(kTuner1, 1);
}

} // namespace vorlane
