#pragma once
// Handing out free table slots. The search starts behind the slot handed out last, whose number is
// kept in the database's current receiver settings record, so it survives a store and a load.

#include "database/channel_database.h"

namespace vorlane {

// A free transponder slot (0..1499), or -1 after 1500 probes; the cursor moves only on success.
int FindFreeTransponderSlot(ChannelDatabase& db);
// A free channel slot (0..4999), or -1 after 5000 probes; the cursor moves only on success.
int FindFreeChannelSlot(ChannelDatabase& db);

} // namespace vorlane
