#pragma once
// Realistic generated databases for tests and benchmarks.

#include "database/channel_database.h"

#include <cstdint>

namespace vorlane::testing {

struct SampleOptions {
    std::uint32_t seed = 1;
    int satellites = 8;     // satellites that carry transponders (all 64 exist after Init)
    int transponders = 120; // used transponder records, spread over free slots
    int channels = 600;     // used channel records, spread over free slots
    bool everyChannelOnBothTuners = false;
};

// 64 satellites carrying 1500 transponders and 5000 channels, every channel on both tuners.
SampleOptions fullSampleOptions(std::uint32_t seed = 1);

// Initialises the database (Init, with its receiver model) and fills the records: satellites with their own
// names, LNB and DiSEqC settings (every other one a universal LNB) in a shuffled list order; transponders
// over all bands and polarisations; TV, radio and data channels on tuner 1, tuner 2 or both, some
// scrambled, locked or skipped, with names of 1 to 20 characters, main lists in a shuffled order, the other
// lists in an order of their own, and favourites in all groups (at most 128 per group and tuner). Then
// builds every list and reports what the build reports. The same options always give the same database.
int makeSampleDatabase(ChannelDatabase& db, const SampleOptions& options);

inline int makeSampleDatabase(ChannelDatabase& db, std::uint32_t seed, int satellites, int transponders, int channels) {
    return makeSampleDatabase(db, SampleOptions{seed, satellites, transponders, channels, false});
}

} // namespace vorlane::testing
