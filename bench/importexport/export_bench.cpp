// Exporting a full database: 64 satellites, 1500 transponders and 5000 channels on both tuners, with
// favourites in every group. The listing alone, and the listing written to a file.

#include "database/channel_database.h"
#include "importexport/text_exporter.h"
#include "support/sample_database.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace vorlane;

static void BM_ListFullDatabase(benchmark::State& state) {
    ChannelDatabase db;
    testing::MakeSampleDatabase(db, testing::FullSampleOptions());
    const TextExporter exporter(db);
    for (auto _ : state) {
        std::string listing = exporter.Listing();
        benchmark::DoNotOptimize(listing.data());
        state.counters["bytes"] = static_cast<double>(listing.size());
    }
}
BENCHMARK(BM_ListFullDatabase)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_ExportFullDatabase(benchmark::State& state) {
    ChannelDatabase db;
    testing::MakeSampleDatabase(db, testing::FullSampleOptions());
    const TextExporter exporter(db);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vorlane-export-bench-" + std::to_string(::getpid()) + ".txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(exporter.Export(path.string()));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportFullDatabase)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
