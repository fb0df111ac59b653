#include "panes/pane_drops.h"

#include "database/list_edits.h"
#include "database/pk_channel.h"
#include "platform/trace.h"

#include <cstdint>

namespace vorlane {
namespace {

ListKind Typed(ListKind first, unsigned type) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(first) + type);
}

// Takes the side out of every head of `kind` and appends it to head `index` with the link's index changed.
void Relist(OrderedLists& lists, ListKind kind, int index, Pk pk, LinkWord link) {
    lists.RemovePk(kind, pk, true);
    AppendInSideOrder(lists, lists.Head(kind, index), pk, link.WithIndex(static_cast<unsigned>(index)));
}

} // namespace

int MoveChannelsToTransponder(ChannelDatabase& db, int transponder, std::span<const Pk> pks) {
    if (transponder < 0 || transponder >= kTransponderCount || !db.TablesAllocated() ||
        db.Transponder(transponder).IsFree())
        return 0;
    const int satellite = static_cast<int>(db.Transponder(transponder).SatelliteLink().Index());
    OrderedLists& lists = db.Lists();
    int moved = 0;
    for (const Pk pk : pks) {
        if (!pk.IsChannelSide())
            continue;
        const ChannelRecord record = db.ChannelOfPk(pk);
        const TunerSide side = pk.Side();
        const unsigned type = record.ServiceTypeCode();
        if (record.IsFree() || !record.PresentOn(side) || type > static_cast<unsigned>(ServiceType::Data) ||
            static_cast<int>(record.TransponderLink(side).Index()) == transponder)
            continue;
        const LinkWord transponderLink = record.TransponderLink(side).WithIndex(static_cast<unsigned>(transponder));
        record.SetTransponderLink(side, transponderLink);
        Relist(lists, Typed(ListKind::TvByTransponder, type), transponder, pk, transponderLink);
        if (satellite < kSatelliteCount && static_cast<int>(record.SatelliteLink(side).Index()) != satellite) {
            const LinkWord satelliteLink = record.SatelliteLink(side).WithIndex(static_cast<unsigned>(satellite));
            record.SetSatelliteLink(side, satelliteLink);
            Relist(lists, Typed(ListKind::TvBySatellite, type), satellite, pk, satelliteLink);
        }
        ++moved;
    }
    if (moved > 0) {
        RebuildPkChannel(db);
        db.SetModified(true);
    }
    return moved;
}

int MoveFavouriteChannels(ChannelDatabase& db, int group, Pk targetPk, std::span<const Pk> pks) {
    if (group < 0 || group >= FavouriteGroups::kGroupCount || !targetPk.IsChannelSide())
        return 0;
    OrderedLists& lists = db.Lists();
    ListHead* head = lists.Head(FavouriteKind(group), 0);
    ListNode* anchor = lists.FindByPk(head, targetPk);
    if (!anchor)
        return 0;
    DebugOut("_MoveFavoriteChannels. nIndex=%d, nFavIndex=%d\n", targetPk.Value(), group);
    int moved = 0;
    for (const Pk pk : pks) {
        ListNode* node = pk.IsChannelSide() && pk != targetPk ? lists.FindByPk(head, pk) : nullptr;
        if (!node)
            continue;
        if (anchor->next != node) {
            if (anchor->next) {
                lists.MoveBefore(anchor->next, node);
            } else {
                const LinkWord link = node->link;
                lists.Unlink(node);
                lists.Append(head, pk, link);
                node = head->last;
            }
        }
        anchor = node;
        ++moved;
    }
    if (moved == 0)
        return 0;
    lists.Renumber(head);
    lists.WriteBack(head);
    RebuildPkChannel(db);
    db.SetModified(true);
    return moved;
}

} // namespace vorlane
