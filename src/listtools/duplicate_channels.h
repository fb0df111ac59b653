#pragma once
// Duplicate channels: on one tuner side, channels of one service type on the same satellite, on
// transponders of the same frequency and polarisation, with the same program number (or, when neither knows
// its program number, 0 or the 0xFFFF of a list imported without one, the same name ignoring case). The first
// in the main list is kept.

#include "database/channel_database.h"

#include <vector>

namespace vorlane {

struct DuplicateGroup {
    Pk keptPk{0};
    std::vector<Pk> duplicatePks; // in main-list order
};

// Every group with at least one duplicate: tuner 1 before tuner 2, TV, radio, data, then by the kept
// channel's place in its main list.
std::vector<DuplicateGroup> FindDuplicateChannels(const ChannelDatabase& db);

// Removes the given channel sides (a record left with no side is freed); m_pKChannel is refilled and the
// modified flag set. Returns the number of sides removed.
int RemoveDuplicateChannels(ChannelDatabase& db, const std::vector<Pk>& pks);

// Every duplicate of every group.
std::vector<Pk> AllDuplicatePks(const std::vector<DuplicateGroup>& groups);

} // namespace vorlane
