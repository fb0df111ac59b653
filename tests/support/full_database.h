#pragma once
// A hand-built full database for tests and benchmarks.

#include "database/channel_database.h"

namespace vorlane::testing {

// Allocates the tables when needed and fills them: 64 satellites (every third with a universal
// LNB), 1500 transponders spread over them, and 5000 channels (TV, radio, every twentieth data)
// present on both tuners, with every tenth channel in a favourite group. The lists are not built.
void FillFullDatabase(ChannelDatabase& db);

} // namespace vorlane::testing
