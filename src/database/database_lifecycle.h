#pragma once
// How the channel database comes into being and is torn down. Opening a file or making a new database
// runs Clear, Deinit and Init in that order.

#include "database/channel_database.h"

namespace vorlane {

// A new database for the current receiver model: buffers allocated, the scratch settings record made
// current and given the factory defaults (written into a scratch image of the model's flash size), the
// tables cleared and given the image defaults, and every list built. False when the lists could
// not be built (memory ran out).
bool Init(ChannelDatabase& db);

// Frees the file buffer, the table buffers, the scratch settings record, m_pKChannel, every list head and
// the node pool. The held settings record stays.
void Deinit(ChannelDatabase& db);

// Tables cleared (when allocated), favourite groups reset, no current file and nothing modified.
void Clear(ChannelDatabase& db);

} // namespace vorlane
