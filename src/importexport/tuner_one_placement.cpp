#include "importexport/tuner_one_placement.h"

namespace vorlane {

namespace {

LinkWord TunerOneLink(LinkWord old, unsigned type, unsigned key, unsigned index) {
    return old.WithIndex(index).WithKey(key).WithType(type).WithSide(TunerSide::First);
}

} // namespace

void TunerOnePlacement::Place(ChannelRecord channel, ServiceType serviceType, int satellite, int transponder) {
    const auto type = static_cast<unsigned>(serviceType);
    const unsigned key = m_nextKey[type]++;
    channel.SetServiceType(static_cast<std::uint8_t>(type));
    const unsigned scrambled = channel.SidedServiceWord(TunerSide::First).Scrambled() ? 1u : 0u;

    channel.SetMainLink(TunerSide::First, TunerOneLink(channel.MainLink(TunerSide::First), type, key, 0));
    channel.SetFsLink(TunerSide::First, TunerOneLink(channel.FsLink(TunerSide::First), type, key, scrambled));
    channel.SetSatelliteLink(TunerSide::First, TunerOneLink(channel.SatelliteLink(TunerSide::First), type, key,
                                                            static_cast<unsigned>(satellite)));
    channel.SetTransponderLink(TunerSide::First, TunerOneLink(channel.TransponderLink(TunerSide::First), type, key,
                                                              static_cast<unsigned>(transponder)));
    channel.SetPresence(TunerSide::First, 1);
}

} // namespace vorlane
