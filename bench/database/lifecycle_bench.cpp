// The database life cycle on a full database (64 satellites, 1500 transponders, 5000 channels on both
// tuners): a new database, storing into a fresh image, and loading an image with the list build that
// follows it. Targets: store under 10 ms, load and build under 15 ms.

#include "database/database_image.h"
#include "database/database_lifecycle.h"
#include "support/sample_database.h"

#include <benchmark/benchmark.h>

using namespace vorlane;

static void BM_Init(benchmark::State& state) {
    ChannelDatabase db;
    for (auto _ : state)
        benchmark::DoNotOptimize(Init(db));
}
BENCHMARK(BM_Init)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_StoreIntoImage(benchmark::State& state) {
    ChannelDatabase db;
    testing::MakeSampleDatabase(db, testing::FullSampleOptions());
    for (auto _ : state) {
        std::vector<std::uint8_t> image = StoreIntoImage(db);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_StoreIntoImage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_LoadFromImageAndBuildLists(benchmark::State& state) {
    ChannelDatabase source;
    testing::MakeSampleDatabase(source, testing::FullSampleOptions());
    std::vector<std::uint8_t> image = StoreIntoImage(source);
    ChannelDatabase db;
    Init(db);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadFromImage(db, image));
        benchmark::DoNotOptimize(db.BuildAllLists());
    }
}
BENCHMARK(BM_LoadFromImageAndBuildLists)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
