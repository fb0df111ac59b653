#pragma once
// Generation numbers after the counter of the table sectors has reached its end.

#include <cstdint>
#include <span>
#include <vector>

namespace vorlane {

struct SectorAge {
    std::uint32_t generation; // counted generation: 0 for a wrong tag or checksum
    int logical;              // logical number of a valid sector, -1 otherwise
};

// The small generations (at most 0xF) that replace those of the other sectors when a new one takes 0x10.
// Each keeps its low 4 bits when that leaves the order of the copies of every logical sector as it was;
// otherwise they are renumbered by rank, so an older copy can never overtake the current one.
std::vector<std::uint32_t> WrapGenerations(std::span<const SectorAge> others);

} // namespace vorlane
