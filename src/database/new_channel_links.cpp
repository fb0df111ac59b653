#include "database/new_channel_links.h"

namespace vorlane {
namespace {

constexpr unsigned kNewChannelKey = 5000;

} // namespace

void PrepareNewChannel(ChannelRecord record, int side, ServiceType type, int transponderIndex,
                       ConstTransponderRecord transponder) {
    const auto typeCode = static_cast<unsigned>(type);
    record.setPresence(side, 1);
    record.setServiceType(static_cast<std::uint8_t>(typeCode));
    const LinkWord base =
        LinkWord().withType(typeCode).withKey(kNewChannelKey).withTunerSide(static_cast<unsigned>(side));
    record.setMainLink(side, base.withIndex(0));
    record.setFsLink(side, base.withIndex(record.serviceWord(side).scrambled() ? 1 : 0));
    record.setSatelliteLink(side, base.withIndex(transponder.satelliteLink().index()));
    record.setTransponderLink(side, base.withIndex(static_cast<unsigned>(transponderIndex)));
}

} // namespace vorlane
