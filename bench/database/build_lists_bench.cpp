// Building every ordered list of a full database: 5000 channels on both tuners, 64 satellites,
// 1500 transponders and favourites. Target: well under 10 ms.

#include "database/channel_database.h"
#include "support/full_database.h"

#include <benchmark/benchmark.h>

using namespace vorlane;

static void BM_BuildAllLists(benchmark::State& state) {
    ChannelDatabase db;
    testing::FillFullDatabase(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(db.BuildAllLists());
    state.counters["nodes"] = static_cast<double>(db.Lists().Pool().UsedCount());
}
BENCHMARK(BM_BuildAllLists)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The first build after loading, when tuner 2's stored order must be sorted.
static void BM_BuildAllListsFromFreshTables(benchmark::State& state) {
    ChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        db.FreeTables();
        testing::FillFullDatabase(db);
        state.ResumeTiming();
        benchmark::DoNotOptimize(db.BuildAllLists());
    }
}
BENCHMARK(BM_BuildAllListsFromFreshTables)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
