#include "storage/sector_map.h"

#include <algorithm>

namespace vorlane {

int SectorMap::PhysicalOf(int logical) const {
    if (logical < 0 || logical >= kLogicalSectorCount)
        return kNone;
    return physical[static_cast<std::size_t>(logical)];
}

bool SectorMap::Names(int physicalSector) const {
    return std::find(physical.begin(), physical.end(), physicalSector) != physical.end();
}

} // namespace vorlane
