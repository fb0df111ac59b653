// The integrity check of a full database: 5000 channels on both tuners, 64 satellites, 1500 transponders and
// favourites, lists built. Target: under 2 ms.

#include "database/channel_database.h"
#include "database/integrity_check.h"
#include "support/full_database.h"

#include <benchmark/benchmark.h>

using namespace vorlane;

static void BM_CheckIntegrity(benchmark::State& state) {
    ChannelDatabase db;
    testing::FillFullDatabase(db);
    db.BuildAllLists();
    if (!CheckIntegrity(db).empty())
        state.SkipWithError("the full database is not sound");
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckIntegrity(db));
}
BENCHMARK(BM_CheckIntegrity)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
