#pragma once
// Deleting channel sides from their tuners.

#include "database/channel_database.h"

#include <span>

namespace vorlane {

// Takes each listed channel side (PK) out of every channel and favourite list, writing the lists
// back, then out of its record, which is freed when the other tuner does not hold it. PKs naming a
// free record or a side that is not present are passed over. Neither m_pKChannel nor the modified
// flag is touched. Returns the number of sides removed.
int RemoveChannelSides(ChannelDatabase& db, std::span<const Pk> pks);

// Deletes the channel sides as the panes do for every selected row: the same result as deleting them
// one by one, with m_pKChannel rebuilt once. Sets the modified flag when a side was removed.
// Returns the number of sides removed.
int DeleteChannels(ChannelDatabase& db, std::span<const Pk> pks);

// One side: 1 when it was removed, 0 when the PK names nothing present.
int DeleteChannel(ChannelDatabase& db, Pk pk);

} // namespace vorlane
