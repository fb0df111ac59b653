#include "record_builders.h"

#include <cstdio>

namespace vorlane::testing {

void putSatellite(ChannelDatabase& db, int index, const std::string& name, int lnbType, unsigned listKey) {
    const SatelliteRecord sat = db.satellite(index);
    sat.setName(name);
    sat.setLnbHighFrequency(10600);
    sat.setLnbLowFrequency(9750);
    sat.setOrbitalPosition(static_cast<std::int16_t>(index * 10 - 300));
    sat.setMotorIndex(0);
    sat.setLnbType(static_cast<std::int8_t>(lnbType));
    sat.setLnbSwitch(0, LnbSwitchWord(0));
    sat.setLnbSwitch(1, LnbSwitchWord(0));
    sat.setListLink(LinkWord().withKey(listKey).toForm16());
    sat.setTunerConnection(0);
}

void putTransponder(ChannelDatabase& db, int index, int satellite, unsigned frequency, unsigned polarisation,
                    unsigned key) {
    const TransponderRecord tp = db.transponder(index);
    tp.setNetworkId(static_cast<std::uint16_t>(1 + index % 100));
    tp.setNetworkName("Net");
    tp.setFrequency(static_cast<std::uint16_t>(frequency));
    tp.setSymbolRate(27500);
    tp.setTransportStreamId(static_cast<std::uint16_t>(index));
    TuningWord tuning(0);
    tuning.setPolarisation(polarisation);
    tuning.setFec(2);
    tp.setTuning(tuning);
    tp.setSatelliteLink(LinkWord().withIndex(static_cast<unsigned>(satellite)).withKey(key));
    tp.setListLink(LinkWord().withKey(key).toForm16());
    tp.setBandLink(LinkWord().withKey(key));
    tp.setNewRecordMark(0);
}

void putChannel(ChannelDatabase& db, int slot, const ChannelSpec& spec) {
    const ChannelRecord ch = db.channel(slot);
    char name[24];
    std::snprintf(name, sizeof name, "Channel %04d", slot);
    ch.setName(name);
    ch.setPmtPid(static_cast<std::uint16_t>(0x100 + slot % 64));
    ch.setProgramNumber(static_cast<std::uint16_t>(slot + 1));
    for (int a = 0; a < ChannelRecord::kAudioPidCount; ++a)
        ch.setAudioPid(a, static_cast<std::uint16_t>(a == 0 ? 0x200 : 0));
    ch.setVideoPid(0x300);
    ch.setPcrPid(0x300);
    ch.setTeletextPid(0);
    ch.setAc3Pid(0);
    ch.setAudioLanguages(AudioLanguages(0));
    const auto type = static_cast<unsigned>(spec.type);
    ch.setServiceType(static_cast<std::uint8_t>(type));

    const unsigned satellite = db.transponder(spec.transponder).satelliteLink().index();
    for (int side = 0; side < kTunerCount; ++side) {
        const bool present = side == 0 ? spec.onTuner1 : spec.onTuner2;
        const unsigned key = side == 0 ? spec.key1 : spec.key2;
        ServiceWord service(0);
        service.setScrambled(spec.scrambled);
        service.setAudioPidCount(1);
        ch.setServiceWord(side, service);
        const LinkWord base = LinkWord().withType(type).withTunerSide(static_cast<unsigned>(side)).withKey(key);
        ch.setMainLink(side, base);
        ch.setFsLink(side, base.withIndex(spec.scrambled ? 1 : 0));
        ch.setSatelliteLink(side, base.withIndex(satellite));
        ch.setTransponderLink(side, base.withIndex(static_cast<unsigned>(spec.transponder)));
        for (int g = 0; g < ChannelRecord::kFavouriteGroupCount; ++g)
            ch.setFavouriteByte(side, g, 0);
        if (present && spec.favouriteGroup >= 0)
            ch.setFavouriteByte(side, spec.favouriteGroup, static_cast<std::uint8_t>(0x80 | (key & 0x7F)));
        ch.setPresence(side, present ? 1 : 0);
    }
}

} // namespace vorlane::testing
