#include "database/channel_side.h"

#include "database/table_layout.h"

#include <cstring>

namespace vorlane {
namespace {

constexpr std::uint32_t kSideAndKeptBits = LinkWord::kTunerSideBit | LinkWord::kKeptBit;

LinkWord keepSideBits(LinkWord link) {
    return LinkWord(link.value() & kSideAndKeptBits);
}

// A link of the destination side: index and key as given, the record's type, the side's own bit 30,
// and bit 31 as the destination field had it.
LinkWord destinationLink(LinkWord old, unsigned index, unsigned key, unsigned type, int side) {
    const LinkWord fresh =
        LinkWord().withIndex(index).withKey(key).withType(type).withTunerSide(static_cast<unsigned>(side));
    return LinkWord(fresh.value() | (old.value() & LinkWord::kKeptBit));
}

unsigned scramblingIndex(ServiceWord word) {
    return word.scrambled() ? 1u : 0u;
}

} // namespace

void RemoveChannelSide(ChannelRecord record, int side) {
    if (!record.presentOn(1 - side)) {
        std::memset(record.bytes(), 0xFF, ChannelRecord::kSize);
        return;
    }
    record.setPresence(side, 0);
    record.setMainLink(side, keepSideBits(record.mainLink(side)));
    record.setFsLink(side, keepSideBits(record.fsLink(side)));
    record.setSatelliteLink(side, keepSideBits(record.satelliteLink(side)));
    record.setTransponderLink(side, keepSideBits(record.transponderLink(side)));
    for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
        record.setFavouriteByte(side, group, 0);
}

int CopyChannelSide(ChannelRecord record, int source, int destination) {
    if (record.isFree())
        return 0;
    const ServiceWord service = record.serviceWord(source);
    record.setServiceWord(destination, service);
    if (record.presentOn(destination)) {
        // A changed scrambled bit moves the side to the other "fs" list on the next build.
        record.setFsLink(destination, record.fsLink(destination).withIndex(scramblingIndex(service)));
        return 0;
    }
    const unsigned type = record.serviceType();
    const LinkWord main = record.mainLink(source);
    const LinkWord fs = record.fsLink(source);
    const LinkWord satellite = record.satelliteLink(source);
    const LinkWord transponder = record.transponderLink(source);
    record.setPresence(destination, 1);
    record.setMainLink(destination, destinationLink(record.mainLink(destination), 0, main.key(), type, destination));
    record.setFsLink(destination, destinationLink(record.fsLink(destination), scramblingIndex(service), fs.key(), type,
                                                  destination));
    record.setSatelliteLink(destination, destinationLink(record.satelliteLink(destination), satellite.index(),
                                                         satellite.key(), type, destination));
    record.setTransponderLink(destination, destinationLink(record.transponderLink(destination), transponder.index(),
                                                           transponder.key(), type, destination));
    for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
        record.setFavouriteByte(destination, group, 0);
    return 1;
}

void SetChannelType(ChannelRecord record, unsigned type) {
    record.setServiceType(static_cast<std::uint8_t>(type));
    for (int side = 0; side < kTunerCount; ++side) {
        if (!record.presentOn(side))
            continue;
        record.setMainLink(side, record.mainLink(side).withType(type));
        record.setFsLink(side, record.fsLink(side).withType(type));
        record.setSatelliteLink(side, record.satelliteLink(side).withType(type));
        record.setTransponderLink(side, record.transponderLink(side).withType(type));
    }
}

} // namespace vorlane
