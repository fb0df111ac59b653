// Database operations on a full database (5000 channels on both tuners, 1500 transponders, 64 satellites).
// Targets: copying tuner 1 to tuner 2 and merging under 50 ms; deleting all 10,000 channel sides as one
// batch under 100 ms.

#include "database/delete_channels.h"
#include "database/tuner_copy.h"
#include "support/sample_database.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace vorlane;

namespace {

void MakeFullDatabase(ChannelDatabase& db) {
    testing::MakeSampleDatabase(db, testing::FullSampleOptions());
}

} // namespace

static void BM_CopyTuner1ToTuner2(benchmark::State& state) {
    ChannelDatabase db;
    MakeFullDatabase(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(CopyTunerChannels(db, TunerSide::First, TunerSide::Second, false));
}
BENCHMARK(BM_CopyTuner1ToTuner2)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Every tuner-2 TV and radio side removed and copied back from tuner 1.
static void BM_CopyTuner1ToTuner2ClearingFirst(benchmark::State& state) {
    ChannelDatabase db;
    MakeFullDatabase(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(CopyTunerChannels(db, TunerSide::First, TunerSide::Second, true));
}
BENCHMARK(BM_CopyTuner1ToTuner2ClearingFirst)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

static void BM_MergeTuners(benchmark::State& state) {
    ChannelDatabase db;
    MakeFullDatabase(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(MergeTuners(db));
}
BENCHMARK(BM_MergeTuners)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// All 10,000 channel sides in main-list order, as the panes hand over a full selection.
static void BM_DeleteAllChannelSidesAsOneBatch(benchmark::State& state) {
    ChannelDatabase db;
    MakeFullDatabase(db);
    const std::vector<std::uint8_t> tables(db.ChannelBuffer().begin(), db.ChannelBuffer().end());
    std::vector<Pk> pks;
    for (const ListKind kind : {ListKind::TvChannels, ListKind::RadioChannels, ListKind::DataChannels})
        for (const ListNode* node = db.Lists().Head(kind, 0)->first; node; node = node->next)
            pks.push_back(node->pk);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(tables.begin(), tables.end(), db.ChannelBuffer().begin());
        db.BuildAllLists();
        state.ResumeTiming();
        benchmark::DoNotOptimize(DeleteChannels(db, pks));
    }
    state.counters["sides"] = static_cast<double>(pks.size());
}
BENCHMARK(BM_DeleteAllChannelSidesAsOneBatch)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
