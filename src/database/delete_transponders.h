#pragma once
// Deleting transponders together with the channels they carry.

#include "database/channel_database.h"

namespace vorlane {

// Deletes every channel side on the transponder (TV, radio and data) as channel deletion does, takes
// the transponder out of the whole, satellite and band transponder lists, frees its record, rebuilds
// m_pKChannel and sets the modified flag. False for an index outside the table.
[[nodiscard]] bool DeleteTransponder(ChannelDatabase& db, int index);

// Frees every transponder slot without TV and radio channels (its tuning word becomes 0xFFFFFFF7);
// the data channels of such a transponder go with it, and the freed transponders leave the
// transponder lists at once. Sets the modified flag. Returns the number of used records freed.
int DeleteEmptyTransponders(ChannelDatabase& db);

} // namespace vorlane
