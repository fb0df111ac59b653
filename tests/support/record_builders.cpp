#include "record_builders.h"

#include <cstdio>

namespace vorlane::testing {

void PutSatellite(ChannelDatabase& db, int index, const std::string& name, int lnbType, unsigned listKey) {
    const SatelliteRecord sat = db.Satellite(index);
    sat.SetName(name);
    sat.SetLnbHighFrequency(10600);
    sat.SetLnbLowFrequency(9750);
    sat.SetOrbitalPosition(static_cast<std::int16_t>(index * 10 - 300));
    sat.SetMotorIndex(0);
    sat.SetLnbType(static_cast<std::int8_t>(lnbType));
    sat.SetLnbSwitch(TunerSide::First, LnbSwitchWord(0));
    sat.SetLnbSwitch(TunerSide::Second, LnbSwitchWord(0));
    sat.SetListLink(LinkWord().WithKey(listKey).ToForm16());
    sat.SetTunerConnection(0);
}

void PutTransponder(ChannelDatabase& db, int index, int satellite, unsigned frequency, unsigned polarisation,
                    unsigned key) {
    const TransponderRecord tp = db.Transponder(index);
    tp.SetNetworkId(static_cast<std::uint16_t>(1 + index % 100));
    tp.SetNetworkName("Net");
    tp.SetFrequency(static_cast<std::uint16_t>(frequency));
    tp.SetSymbolRate(27500);
    tp.SetTransportStreamId(static_cast<std::uint16_t>(index));
    TuningWord tuning(0);
    tuning.SetPolarisation(polarisation);
    tuning.SetFec(2);
    tp.SetTuning(tuning);
    tp.SetSatelliteLink(LinkWord().WithIndex(static_cast<unsigned>(satellite)).WithKey(key));
    tp.SetListLink(LinkWord().WithKey(key).ToForm16());
    tp.SetBandLink(LinkWord().WithKey(key));
    tp.SetNewRecordMark(0);
}

void PutChannel(ChannelDatabase& db, int slot, const ChannelSpec& spec) {
    const ChannelRecord ch = db.Channel(slot);
    char name[24];
    std::snprintf(name, sizeof name, "Channel %04d", slot);
    ch.SetName(name);
    ch.SetPmtPid(static_cast<std::uint16_t>(0x100 + slot % 64));
    ch.SetProgramNumber(static_cast<std::uint16_t>(slot + 1));
    for (int a = 0; a < ChannelRecord::kAudioPidCount; ++a)
        ch.SetAudioPid(a, static_cast<std::uint16_t>(a == 0 ? 0x200 : 0));
    ch.SetVideoPid(0x300);
    ch.SetPcrPid(0x300);
    ch.SetTeletextPid(0);
    ch.SetAc3Pid(0);
    ch.SetAudioLanguages(AudioLanguages(0));
    const auto type = static_cast<unsigned>(spec.type);
    ch.SetServiceType(static_cast<std::uint8_t>(type));

    const unsigned satellite = db.Transponder(spec.transponder).SatelliteLink().Index();
    for (const TunerSide side : kTunerSides) {
        const bool present = side == TunerSide::First ? spec.onTuner1 : spec.onTuner2;
        const unsigned key = side == TunerSide::First ? spec.key1 : spec.key2;
        ServiceWord service(0);
        service.SetScrambled(spec.scrambled);
        service.SetAudioPidCount(1);
        ch.SetServiceWord(side, service);
        const LinkWord base = LinkWord().WithType(type).WithSide(side).WithKey(key);
        ch.SetMainLink(side, base);
        ch.SetFsLink(side, base.WithIndex(spec.scrambled ? 1 : 0));
        ch.SetSatelliteLink(side, base.WithIndex(satellite));
        ch.SetTransponderLink(side, base.WithIndex(static_cast<unsigned>(spec.transponder)));
        for (int g = 0; g < ChannelRecord::kFavouriteGroupCount; ++g)
            ch.SetFavouriteByte(side, g, 0);
        if (present && spec.favouriteGroup >= 0)
            ch.SetFavouriteByte(side, spec.favouriteGroup, static_cast<std::uint8_t>(0x80 | (key & 0x7F)));
        ch.SetPresence(side, present ? 1 : 0);
    }
}

} // namespace vorlane::testing
