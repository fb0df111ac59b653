#pragma once
// Duplicate transponders: on the same satellite with the same frequency, polarisation and symbol rate.
// The first in the transponder list is kept; the channels of the others move to it.

#include "database/channel_database.h"

#include <vector>

namespace vorlane {

struct TransponderGroup {
    int kept = 0;
    std::vector<int> duplicates; // in transponder-list order
};

std::vector<TransponderGroup> FindDuplicateTransponders(const ChannelDatabase& db);

struct TransponderMergeResult {
    int transpondersMerged = 0; // duplicate records freed
    int channelSidesMoved = 0;
};

// Moves every channel side of each duplicate to the kept transponder, behind its own channels and in the
// duplicates' order, frees the duplicates' records and rebuilds the lists. Sets the modified flag when
// anything was merged.
TransponderMergeResult MergeDuplicateTransponders(ChannelDatabase& db);

} // namespace vorlane
