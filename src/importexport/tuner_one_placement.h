#pragma once
// Imported channels join tuner 1's lists in file order: each becomes present on tuner 1 with the
// four tuner-1 link words a list build reads, keyed by its running number among the imported
// channels of its service type.

#include "database/channel_record.h"

#include <array>

namespace vorlane {

class TunerOnePlacement {
public:
    // Sets the service type, presence byte 1 on tuner 1 and the tuner-1 main, "fs", satellite and
    // transponder links: type bits from `type`, the side bit of tuner 1, bit 31 kept, the next key of that
    // type, and as indexes 0, the scrambled bit, `satellite` and `transponder`. `type` is TV, radio or data.
    void Place(ChannelRecord channel, ServiceType type, int satellite, int transponder);

private:
    std::array<unsigned, 3> m_nextKey{}; // TV, radio, data
};

} // namespace vorlane
