#include "database/new_channel_links.h"

namespace vorlane {
namespace {

constexpr unsigned kNewChannelKey = 5000;

} // namespace

void PrepareNewChannel(ChannelRecord record, TunerSide side, ServiceType type, int transponderIndex,
                       ConstTransponderRecord transponder) {
    const auto typeCode = static_cast<unsigned>(type);
    record.SetPresence(side, 1);
    record.SetServiceType(static_cast<std::uint8_t>(typeCode));
    const LinkWord base = LinkWord().WithType(typeCode).WithKey(kNewChannelKey).WithSide(side);
    record.SetMainLink(side, base.WithIndex(0));
    record.SetFsLink(side, base.WithIndex(record.SidedServiceWord(side).Scrambled() ? 1 : 0));
    record.SetSatelliteLink(side, base.WithIndex(transponder.SatelliteLink().Index()));
    record.SetTransponderLink(side, base.WithIndex(static_cast<unsigned>(transponderIndex)));
}

} // namespace vorlane
