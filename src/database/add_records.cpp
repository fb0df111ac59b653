#include "database/add_records.h"

#include "database/band.h"
#include "database/free_slots.h"
#include "database/list_edits.h"
#include "platform/trace.h"

#include <cstring>

namespace vorlane {
namespace {

ListKind kindAt(ListKind first, unsigned offset) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(first) + offset);
}

void listChannelSide(OrderedLists& lists, const ChannelRecord& channel, int slot, int side, unsigned type) {
    const auto pk = static_cast<std::uint16_t>(ChannelPk(slot, side));
    // The main list has one head, so the main link's index must say 0 for a build to find it again.
    const LinkWord main = channel.mainLink(side).withIndex(0).withType(type);
    const LinkWord fs = channel.fsLink(side).withType(type);
    const LinkWord satellite = channel.satelliteLink(side).withType(type);
    const LinkWord transponder = channel.transponderLink(side).withType(type);
    const ListKind perTuner = side == 0 ? ListKind::Tuner1Tv : ListKind::Tuner2Tv;

    AppendInSideOrder(lists, lists.Head(kindAt(ListKind::TvChannels, type), 0), pk, main);
    AppendInSideOrder(lists, lists.Head(kindAt(ListKind::TvByScrambling, type), static_cast<int>(fs.index())), pk, fs);
    AppendInSideOrder(lists, lists.Head(kindAt(ListKind::TvBySatellite, type), static_cast<int>(satellite.index())), pk,
                      satellite);
    AppendInSideOrder(lists, lists.Head(kindAt(ListKind::TvByTransponder, type), static_cast<int>(transponder.index())),
                      pk, transponder);
    AppendInSideOrder(lists, lists.Head(kindAt(perTuner, type), 0), pk, main);
}

int satelliteLnbType(const ChannelDatabase& db, unsigned satellite) {
    return satellite < static_cast<unsigned>(kSatelliteCount) ? db.satellite(static_cast<int>(satellite)).lnbType() : 0;
}

} // namespace

int AddChannel(ChannelDatabase& db, ChannelRecordBytes record) {
    if (readLe32(record.data()) == kFreeRecordWord)
        return 0;
    const int slot = FindFreeChannelSlot(db);
    if (slot < 0) {
        DebugOut("AddChannel: channel buffer has no room\n");
        return 0;
    }
    const ChannelRecord channel = db.channel(slot);
    std::memcpy(channel.bytes(), record.data(), record.size());
    const unsigned type = channel.serviceType();
    if (type > static_cast<unsigned>(ServiceType::Data))
        return 1;
    for (int side = 0; side < kTunerCount; ++side)
        if (channel.presentOn(side))
            listChannelSide(db.lists(), channel, slot, side, type);
    return 1;
}

int AddTransponder(ChannelDatabase& db, TransponderRecordBytes record) {
    if (readLe32(record.data()) == kFreeRecordWord)
        return 0;
    const int slot = FindFreeTransponderSlot(db);
    if (slot < 0) {
        DebugOut("AddTransponder: tp buffer has no room\n");
        return 0;
    }
    const TransponderRecord transponder = db.transponder(slot);
    std::memcpy(transponder.bytes(), record.data(), record.size());
    DebugOut("TP ADDED... NEW PK=%d\n", slot);

    OrderedLists& lists = db.lists();
    const auto pk = static_cast<std::uint16_t>(slot);
    lists.Append(lists.Head(ListKind::Transponders, 0), pk, LinkWord::FromForm16(transponder.listLink()).withIndex(0));
    const LinkWord satellite = transponder.satelliteLink();
    lists.Append(lists.Head(ListKind::SatelliteTransponders, static_cast<int>(satellite.index())), pk, satellite);
    const int band = BandNumber(satelliteLnbType(db, satellite.index()), transponder.frequency(),
                                transponder.tuning().polarisation());
    const LinkWord bandLink = transponder.bandLink().withIndex(static_cast<unsigned>(band)).withKey(0).withType(0);
    transponder.setBandLink(bandLink);
    lists.Append(lists.Head(ListKind::Bands, band), pk, bandLink);

    db.setModified(true);
    return 1;
}

} // namespace vorlane
