#include "database/add_records.h"

#include "database/band.h"
#include "database/free_slots.h"
#include "database/list_edits.h"
#include "database/per_tuner_list.h"
#include "platform/trace.h"

#include <cstring>

namespace vorlane {
namespace {

ListKind KindAt(ListKind first, unsigned offset) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(first) + offset);
}

void ListChannelSide(OrderedLists& lists, const ChannelRecord& channel, int slot, TunerSide side, unsigned type) {
    const Pk pk = Pk::OfChannel(slot, side);
    // The main list has one head, so the main link's index must say 0 for a build to find it again.
    const LinkWord main = channel.MainLink(side).WithIndex(0).WithType(type);
    const LinkWord fs = channel.FsLink(side).WithType(type);
    const LinkWord satellite = channel.SatelliteLink(side).WithType(type);
    const LinkWord transponder = channel.TransponderLink(side).WithType(type);

    AppendInSideOrder(lists, lists.Head(KindAt(ListKind::TvChannels, type), 0), pk, main);
    AppendInSideOrder(lists, lists.Head(KindAt(ListKind::TvByScrambling, type), static_cast<int>(fs.Index())), pk, fs);
    AppendInSideOrder(lists, lists.Head(KindAt(ListKind::TvBySatellite, type), static_cast<int>(satellite.Index())), pk,
                      satellite);
    AppendInSideOrder(lists, lists.Head(KindAt(ListKind::TvByTransponder, type), static_cast<int>(transponder.Index())),
                      pk, transponder);
    AppendInSideOrder(lists, lists.Head(PerTunerListKind(side, static_cast<ServiceType>(type)), 0), pk, main);
}

int SatelliteLnbType(const ChannelDatabase& db, unsigned satellite) {
    return satellite < static_cast<unsigned>(kSatelliteCount) ? db.Satellite(static_cast<int>(satellite)).LnbType() : 0;
}

} // namespace

bool AddChannel(ChannelDatabase& db, ChannelRecordBytes record) {
    if (ReadLe32(record.data()) == kFreeRecordWord)
        return false;
    const int slot = FindFreeChannelSlot(db);
    if (slot < 0) {
        DebugOut("AddChannel: channel buffer has no room\n");
        return false;
    }
    const ChannelRecord channel = db.Channel(slot);
    std::memcpy(channel.RecordBytes(), record.data(), record.size());
    const unsigned type = channel.ServiceTypeCode();
    if (type > static_cast<unsigned>(ServiceType::Data))
        return true;
    for (const TunerSide side : kTunerSides)
        if (channel.PresentOn(side))
            ListChannelSide(db.Lists(), channel, slot, side, type);
    return true;
}

bool AddTransponder(ChannelDatabase& db, TransponderRecordBytes record) {
    if (ReadLe32(record.data()) == kFreeRecordWord)
        return false;
    const int slot = FindFreeTransponderSlot(db);
    if (slot < 0) {
        DebugOut("AddTransponder: tp buffer has no room\n");
        return false;
    }
    const TransponderRecord transponder = db.Transponder(slot);
    std::memcpy(transponder.RecordBytes(), record.data(), record.size());
    DebugOut("TP ADDED... NEW PK=%d\n", slot);

    OrderedLists& lists = db.Lists();
    const Pk pk = Pk::OfRecord(slot);
    lists.Append(lists.Head(ListKind::Transponders, 0), pk, LinkWord::FromForm16(transponder.ListLink()).WithIndex(0));
    const LinkWord satellite = transponder.SatelliteLink();
    lists.Append(lists.Head(ListKind::SatelliteTransponders, static_cast<int>(satellite.Index())), pk, satellite);
    const int band = BandNumber(SatelliteLnbType(db, satellite.Index()), transponder.Frequency(),
                                transponder.Tuning().PolarisationCode());
    const LinkWord bandLink = transponder.BandLink().WithIndex(static_cast<unsigned>(band)).WithKey(0).WithType(0);
    transponder.SetBandLink(bandLink);
    lists.Append(lists.Head(ListKind::Bands, band), pk, bandLink);

    db.SetModified(true);
    return true;
}

} // namespace vorlane
