#include "database/favourite_ops.h"

#include "database/list_edits.h"
#include "platform/trace.h"

#include <cstdint>

namespace vorlane {
namespace {

constexpr std::uint8_t kMemberBit = 0x80;
// A member's link reads as type 1 (the membership bit), as a build gives it.
constexpr unsigned kMemberType = 1;

bool validGroup(int group) {
    return group >= 0 && group < FavouriteGroups::kGroupCount;
}

bool validPk(int pk) {
    return pk >= 0 && pk < kChannelCount * kTunerCount;
}

} // namespace

int AddFavorites(ChannelDatabase& db, int group, std::span<const int> pks) {
    if (!validGroup(group) || !db.tablesAllocated())
        return 0;
    ListHead* head = db.lists().Head(FavouriteKind(group), 0);
    if (!head)
        return 0;
    int added = 0;
    for (const int pk : pks) {
        if (!validPk(pk))
            continue;
        const ChannelRecord record = db.channelOfPk(pk);
        const int side = TunerSideOfPk(pk);
        if (record.isFree() || !record.presentOn(side) || (record.favouriteByte(side, group) & kMemberBit))
            continue;
        record.setFavouriteByte(side, group, 1);
        const LinkWord link = LinkWord(head->headWord).withType(kMemberType);
        if (AppendInSideOrder(db.lists(), head, static_cast<std::uint16_t>(pk), link))
            ++added;
        else
            record.setFavouriteByte(side, group, 0); // a full group: the side stays out
    }
    return added;
}

int RemoveFavorite(ChannelDatabase& db, int nFavIndex, int pk) {
    const bool known = validPk(pk) && db.tablesAllocated();
    const std::uint8_t* address = known ? db.channelOfPk(pk).bytes() : nullptr;
    DebugOut("RemoveFavorite: nFavIndex=%d, pChannel=%#x\n", nFavIndex,
             static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(address)));
    if (!known || !validGroup(nFavIndex))
        return 0;
    const ChannelRecord record = db.channelOfPk(pk);
    const int side = TunerSideOfPk(pk);
    if (record.isFree() || !(record.favouriteByte(side, nFavIndex) & kMemberBit))
        return 0;
    auto block = db.favourites().block(nFavIndex);
    if (record.serviceType() == static_cast<std::uint8_t>(ServiceType::Tv))
        --block[FavouriteGroups::kTvCountWord];
    else if (record.serviceType() == static_cast<std::uint8_t>(ServiceType::Radio))
        --block[FavouriteGroups::kRadioCountWord];
    record.setFavouriteByte(side, nFavIndex, 0);
    db.lists().RemovePk(FavouriteKind(nFavIndex), static_cast<std::uint16_t>(pk), true);
    return 1;
}

void ClearFavoriteCounters(ChannelDatabase& db) {
    db.favourites().ClearCounters();
}

} // namespace vorlane
