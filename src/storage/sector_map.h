#pragma once
// Which physical sector holds the newest valid copy of each logical sector.

#include "storage/image_layout.h"

#include <array>

namespace vorlane {

struct SectorMap {
    static constexpr int kNone = -1;

    std::array<int, kLogicalSectorCount> physical{}; // per logical sector: physical sector or kNone

    // The physical sector of a logical one; kNone when unmapped or out of range.
    int PhysicalOf(int logical) const;
    // True when some logical sector lives in this physical sector.
    bool Names(int physicalSector) const;
};

} // namespace vorlane
