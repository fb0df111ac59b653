#include "database/favourite_ops.h"

#include "database/list_edits.h"
#include "platform/trace.h"

#include <cstdint>

namespace vorlane {
namespace {

constexpr std::uint8_t kMemberBit = 0x80;
// A member's link reads as type 1 (the membership bit), as a build gives it.
constexpr unsigned kMemberType = 1;

bool ValidGroup(int group) {
    return group >= 0 && group < FavouriteGroups::kGroupCount;
}

} // namespace

int AddFavourites(ChannelDatabase& db, int group, std::span<const Pk> pks) {
    if (!ValidGroup(group) || !db.TablesAllocated())
        return 0;
    ListHead* head = db.Lists().Head(FavouriteKind(group), 0);
    if (!head)
        return 0;
    int added = 0;
    for (const Pk pk : pks) {
        if (!pk.IsChannelSide())
            continue;
        const ChannelRecord record = db.ChannelOfPk(pk);
        const TunerSide side = pk.Side();
        if (record.IsFree() || !record.PresentOn(side) || (record.FavouriteByte(side, group) & kMemberBit))
            continue;
        record.SetFavouriteByte(side, group, 1);
        const LinkWord link = LinkWord(head->headWord).WithType(kMemberType);
        if (AppendInSideOrder(db.Lists(), head, pk, link))
            ++added;
        else
            record.SetFavouriteByte(side, group, 0); // a full group: the side stays out
    }
    return added;
}

bool RemoveFavourite(ChannelDatabase& db, int nFavIndex, Pk pk) {
    const bool known = pk.IsChannelSide() && db.TablesAllocated();
    const std::uint8_t* address = known ? db.ChannelOfPk(pk).RecordBytes() : nullptr;
    DebugOut("RemoveFavorite: nFavIndex=%d, pChannel=%#x\n", nFavIndex,
             static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(address)));
    if (!known || !ValidGroup(nFavIndex))
        return false;
    const ChannelRecord record = db.ChannelOfPk(pk);
    const TunerSide side = pk.Side();
    if (record.IsFree() || !(record.FavouriteByte(side, nFavIndex) & kMemberBit))
        return false;
    auto block = db.Favourites().Block(nFavIndex);
    if (record.ServiceTypeCode() == static_cast<std::uint8_t>(ServiceType::Tv))
        --block[FavouriteGroups::kTvCountWord];
    else if (record.ServiceTypeCode() == static_cast<std::uint8_t>(ServiceType::Radio))
        --block[FavouriteGroups::kRadioCountWord];
    record.SetFavouriteByte(side, nFavIndex, 0);
    db.Lists().RemovePk(FavouriteKind(nFavIndex), pk, true);
    return true;
}

void ClearFavouriteCounters(ChannelDatabase& db) {
    db.Favourites().ClearCounters();
}

} // namespace vorlane
