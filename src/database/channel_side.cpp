#include "database/channel_side.h"

#include "database/table_layout.h"

#include <cstring>

namespace vorlane {
namespace {

constexpr std::uint32_t kSideAndKeptBits = LinkWord::kTunerSideBit | LinkWord::kKeptBit;

LinkWord KeepSideBits(LinkWord link) {
    return LinkWord(link.Value() & kSideAndKeptBits);
}

// A link of the destination side: index and key as given, the record's type, the side's own bit 30,
// and bit 31 as the destination field had it.
LinkWord DestinationLink(LinkWord old, unsigned index, unsigned key, unsigned type, TunerSide side) {
    const LinkWord fresh = LinkWord().WithIndex(index).WithKey(key).WithType(type).WithSide(side);
    return LinkWord(fresh.Value() | (old.Value() & LinkWord::kKeptBit));
}

unsigned ScramblingIndex(ServiceWord word) {
    return word.Scrambled() ? 1u : 0u;
}

} // namespace

void RemoveChannelSide(ChannelRecord record, TunerSide side) {
    if (!record.PresentOn(OtherSide(side))) {
        std::memset(record.RecordBytes(), 0xFF, ChannelRecord::kSize);
        return;
    }
    record.SetPresence(side, 0);
    record.SetMainLink(side, KeepSideBits(record.MainLink(side)));
    record.SetFsLink(side, KeepSideBits(record.FsLink(side)));
    record.SetSatelliteLink(side, KeepSideBits(record.SatelliteLink(side)));
    record.SetTransponderLink(side, KeepSideBits(record.TransponderLink(side)));
    for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
        record.SetFavouriteByte(side, group, 0);
}

bool CopyChannelSide(ChannelRecord record, TunerSide source, TunerSide destination) {
    if (record.IsFree())
        return false;
    const ServiceWord service = record.SidedServiceWord(source);
    record.SetServiceWord(destination, service);
    if (record.PresentOn(destination)) {
        // A changed scrambled bit moves the side to the other "fs" list on the next build.
        record.SetFsLink(destination, record.FsLink(destination).WithIndex(ScramblingIndex(service)));
        return false;
    }
    const unsigned type = record.ServiceTypeCode();
    const LinkWord main = record.MainLink(source);
    const LinkWord fs = record.FsLink(source);
    const LinkWord satellite = record.SatelliteLink(source);
    const LinkWord transponder = record.TransponderLink(source);
    record.SetPresence(destination, 1);
    record.SetMainLink(destination, DestinationLink(record.MainLink(destination), 0, main.Key(), type, destination));
    record.SetFsLink(destination, DestinationLink(record.FsLink(destination), ScramblingIndex(service), fs.Key(), type,
                                                  destination));
    record.SetSatelliteLink(destination, DestinationLink(record.SatelliteLink(destination), satellite.Index(),
                                                         satellite.Key(), type, destination));
    record.SetTransponderLink(destination, DestinationLink(record.TransponderLink(destination), transponder.Index(),
                                                           transponder.Key(), type, destination));
    for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
        record.SetFavouriteByte(destination, group, 0);
    return true;
}

void SetChannelType(ChannelRecord record, unsigned type) {
    record.SetServiceType(static_cast<std::uint8_t>(type));
    for (const TunerSide side : kTunerSides) {
        if (!record.PresentOn(side))
            continue;
        record.SetMainLink(side, record.MainLink(side).WithType(type));
        record.SetFsLink(side, record.FsLink(side).WithType(type));
        record.SetSatelliteLink(side, record.SatelliteLink(side).WithType(type));
        record.SetTransponderLink(side, record.TransponderLink(side).WithType(type));
    }
}

} // namespace vorlane
