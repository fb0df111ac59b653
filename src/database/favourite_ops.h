#pragma once
// Putting channel sides into favourite groups and taking them out.

#include "database/channel_database.h"

#include <span>

namespace vorlane {

// Appends each listed side (PK) that is present and not yet a member to favourite group `group`
// (0..7); every member's favourite byte then holds 0x80 | its position. A group orders at most 128
// members per tuner: further sides are refused and stay out. Returns the number of sides added.
int AddFavourites(ChannelDatabase& db, int group, std::span<const Pk> pks);

// Takes a side out of group nFavIndex: the group's TV or radio count goes down by one, the side's
// favourite byte is cleared and the remaining members close up. False when the side was not a
// member or the group or PK is out of range.
bool RemoveFavourite(ChannelDatabase& db, int nFavIndex, Pk pk);

// Both member counts of all eight groups become 0.
void ClearFavouriteCounters(ChannelDatabase& db);

} // namespace vorlane
