#pragma once
// The two states the tables of a new database pass through: cleared, then the image defaults.

#include "database/channel_database.h"

namespace vorlane {

// Every channel slot of the buffer emptied (type none, service words and languages set), and the satellite
// buffer refilled with numbered satellites and blank transponders. Needs allocated tables.
void ClearTables(ChannelDatabase& db);

// The defaults of a new receiver image: the position words and slot cursors of the current settings record
// reset, 64 named satellites with their test channels, and every transponder and channel a free record.
// Needs allocated tables.
void ApplyImageDefaults(ChannelDatabase& db);

} // namespace vorlane
