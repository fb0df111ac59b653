#include "database/move_channels.h"

#include "database/channel_side.h"
#include "database/list_edits.h"

#include <algorithm>
#include <vector>

namespace vorlane {
namespace {

ListKind MainKind(unsigned type) {
    return type == static_cast<unsigned>(ServiceType::Radio) ? ListKind::RadioChannels : ListKind::TvChannels;
}

bool IsTvOrRadio(unsigned type) {
    return type == static_cast<unsigned>(ServiceType::Tv) || type == static_cast<unsigned>(ServiceType::Radio);
}

} // namespace

int MoveChannels(ChannelDatabase& db, ServiceType paneType, Pk targetPk, std::span<const Pk> movedPks) {
    const auto type = static_cast<unsigned>(paneType);
    if (!IsTvOrRadio(type) || !targetPk.IsChannelSide())
        return 0;
    OrderedLists& lists = db.Lists();
    ListHead* paneList = lists.Head(MainKind(type), 0);
    ListHead* otherList = lists.Head(MainKind(1 - type), 0);
    ListNode* target = lists.FindByPk(paneList, targetPk);
    if (!target || !otherList)
        return 0;

    int moved = 0;
    std::vector<int> retyped;
    for (const Pk pk : movedPks) {
        if (pk == targetPk || !pk.IsChannelSide())
            continue;
        const ChannelRecord record = db.ChannelOfPk(pk);
        const unsigned ownType = record.ServiceTypeCode();
        if (record.IsFree() || !IsTvOrRadio(ownType))
            continue;
        ListNode* node = lists.FindByPk(ownType == type ? paneList : otherList, pk);
        if (!node)
            continue;
        if (ownType != type) {
            record.SetServiceType(static_cast<std::uint8_t>(type));
            node->link = node->link.WithType(type);
            retyped.push_back(pk.Record());
        }
        lists.MoveBefore(target, node);
        ++moved;
    }
    for (ListHead* head : {paneList, otherList}) {
        lists.Renumber(head);
        lists.WriteBack(head);
    }
    if (moved == 0)
        return 0;
    // The per-tuner lists share the main links, and a changed type moves every list of the record.
    for (const int slot : retyped)
        SetChannelType(db.Channel(slot), type);
    RebuildChannelLists(lists);
    return moved;
}

int ChannelNumber(const ChannelDatabase& db, Pk pk) {
    return static_cast<int>(db.ChannelOfPk(pk).MainLink(pk.Side()).Key()) + 1;
}

int MoveChannelsToNumber(ChannelDatabase& db, ServiceType type, int number, std::span<const Pk> movedPks) {
    const ListHead* list = db.Lists().Head(MainKind(static_cast<unsigned>(type)), 0);
    if (!list || movedPks.empty())
        return 0;
    // The channels that stay, in order; the moved ones go in front of the one at the wanted place.
    const TunerSide side = movedPks.front().Side();
    std::vector<Pk> staying;
    for (const ListNode* node = list->first; node; node = node->next)
        if (node->pk.Side() == side && std::ranges::find(movedPks, node->pk) == movedPks.end())
            staying.push_back(node->pk);
    if (staying.empty())
        return 0;
    const auto place = static_cast<std::size_t>(std::clamp(number - 1, 0, static_cast<int>(staying.size())));
    if (place < staying.size())
        return MoveChannels(db, type, staying[place], movedPks);
    // Past the end: in front of the last one that stays, which then goes in front of them.
    const int moved = MoveChannels(db, type, staying.back(), movedPks);
    MoveChannels(db, type, movedPks.front(), std::span<const Pk>(&staying.back(), 1));
    return moved;
}

} // namespace vorlane
