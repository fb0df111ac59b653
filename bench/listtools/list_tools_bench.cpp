// The list tools on a full database (5000 channels on both tuners, 1500 transponders, 64 satellites).
// Target: sort, dedupe, apply-order and diff each under 20 ms.

#include "listtools/apply_order.h"
#include "listtools/duplicate_channels.h"
#include "listtools/duplicate_transponders.h"
#include "listtools/list_diff.h"
#include "listtools/list_sort.h"
#include "support/sample_database.h"

#include <benchmark/benchmark.h>

using namespace vorlane;

namespace {

void MakeFullDatabase(ChannelDatabase& db) {
    testing::MakeSampleDatabase(db, testing::FullSampleOptions());
}

// The same channels in another order, so that every channel is matched and many have moved.
void MakeSortedFullDatabase(ChannelDatabase& db) {
    MakeFullDatabase(db);
    SortAllMainLists(db, SortKey::Name);
}

} // namespace

static void BM_SortAllMainListsByName(benchmark::State& state) {
    ChannelDatabase db;
    MakeFullDatabase(db);
    for (auto _ : state)
        SortAllMainLists(db, SortKey::Name);
}
BENCHMARK(BM_SortAllMainListsByName)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Finding both kinds of duplicates, removing the channels and merging the transponders; a fresh database each
// time, made outside the timing.
static void BM_Dedupe(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db;
        MakeFullDatabase(db);
        state.ResumeTiming();
        RemoveDuplicateChannels(db, AllDuplicatePks(FindDuplicateChannels(db)));
        benchmark::DoNotOptimize(MergeDuplicateTransponders(db));
    }
}
BENCHMARK(BM_Dedupe)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);

static void BM_ApplyOrder(benchmark::State& state) {
    ChannelDatabase reference;
    MakeSortedFullDatabase(reference);
    ChannelDatabase db;
    MakeFullDatabase(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(ApplyReferenceOrder(db, reference, true));
}
BENCHMARK(BM_ApplyOrder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_Diff(benchmark::State& state) {
    ChannelDatabase a;
    MakeFullDatabase(a);
    ChannelDatabase b;
    MakeSortedFullDatabase(b);
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareLists(a, b));
}
BENCHMARK(BM_Diff)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
