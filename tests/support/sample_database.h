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
SampleOptions FullSampleOptions(std::uint32_t seed = 1);

// Init, then satellites, transponders and channels of every kind, tuner and flag, with favourites and shuffled
// list orders; returns the used records building the lists reports, or -1 when it failed. The same options always
// give the same database.
int MakeSampleDatabase(ChannelDatabase& db, const SampleOptions& options);

inline int MakeSampleDatabase(ChannelDatabase& db, std::uint32_t seed, int satellites, int transponders, int channels) {
    return MakeSampleDatabase(db, SampleOptions{seed, satellites, transponders, channels, false});
}

} // namespace vorlane::testing
