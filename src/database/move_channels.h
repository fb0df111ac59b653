#pragma once
// Moving channels inside the TV or radio main list, as dragging within a pane does.

#include "database/channel_database.h"
#include "database/link_word.h"

#include <span>

namespace vorlane {

// Moves the listed channel sides (PKs, in selection order) directly in front of `targetPk` in the
// main list of `paneType` (TV or radio); a radio channel dropped on the TV list becomes a TV channel
// and the other way round. The main lists are renumbered and written back, and the lists sharing their
// links are rebuilt from the records. Returns the number of sides moved (0 when the target is not in
// the list).
int MoveChannels(ChannelDatabase& db, ServiceType paneType, Pk targetPk, std::span<const Pk> movedPks);

// The number a channel side shows: its 1-based position among its tuner side's channels in the main list.
int ChannelNumber(const ChannelDatabase& db, Pk pk);

// Moves the listed channel sides of one type (PKs, in selection order) together so that the first of them
// shows `number` afterwards, counted among the channels of its tuner side; moving down works as moving up, and
// a number past the end (or below 1) places them last (or first). Returns the number of sides moved.
int MoveChannelsToNumber(ChannelDatabase& db, ServiceType type, int number, std::span<const Pk> movedPks);

} // namespace vorlane
