#pragma once
// The database edits behind dropping dragged channels on a transponder row or inside a favourite group. Plain
// C++, no window system.

#include "database/channel_database.h"

#include <span>

namespace vorlane {

// Every listed channel side leaves the transponder list of its type and joins the end of the target
// transponder's; its transponder link names the target. A side that came from another satellite moves to the
// target's satellite as well (its satellite link and the satellite lists), so a channel never sits on a
// transponder of one satellite and in the list of another. Sets the modified flag when a side moved and
// rebuilds m_pKChannel. Returns the number of sides moved.
int MoveChannelsToTransponder(ChannelDatabase& db, int transponder, std::span<const Pk> pks);

// Reorders favourite group `group`: the listed members follow the target member in the given order; the group
// is renumbered and written back. Sets the modified flag when a member moved and rebuilds m_pKChannel.
// Returns the number of members moved.
int MoveFavouriteChannels(ChannelDatabase& db, int group, Pk targetPk, std::span<const Pk> pks);

} // namespace vorlane
