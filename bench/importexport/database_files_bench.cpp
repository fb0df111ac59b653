// Open of a full channel file (read, new database, load, every list built) and of the real SATCODX sample, and Save of
// a full database (store, header, and the file replaced on disk), as the editor and vorlane-cli run them.

#include "blockfile/channel_file.h"
#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "support/sample_database.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace vorlane;
namespace fs = std::filesystem;

namespace {

fs::path BenchFile(const char* name) {
    return fs::temp_directory_path() / ("vorlane-bench-" + std::to_string(::getpid()) + "-" + name);
}

} // namespace

static void BM_OpenFullChannelFile(benchmark::State& state) {
    const fs::path path = BenchFile("open.bin");
    {
        ChannelDatabase full;
        vorlane::testing::MakeSampleDatabase(full, vorlane::testing::FullSampleOptions());
        if (!SaveDatabaseFile(full, path.string())) {
            state.SkipWithError("cannot write the channel file");
            return;
        }
    }
    ChannelDatabase db;
    StartLikeEditor(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(OpenDatabaseFile(db, path.string()).accepted);
    fs::remove(path);
}
BENCHMARK(BM_OpenFullChannelFile)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Open of the real SATCODX sample, with the reader's trial on tables of its own before the database changes.
static void BM_OpenSatcodxSampleFile(benchmark::State& state) {
    const std::string sample = std::string(VORLANE_TESTDATA_DIR) + "/silva_schneider.sdx";
    if (!fs::exists(sample)) {
        state.SkipWithError("sample file not present");
        return;
    }
    ChannelDatabase db;
    StartLikeEditor(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(OpenDatabaseFile(db, sample).accepted);
}
BENCHMARK(BM_OpenSatcodxSampleFile)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Store and header only, without the disk.
static void BM_FullDatabaseChannelFileBytes(benchmark::State& state) {
    ChannelDatabase db;
    vorlane::testing::MakeSampleDatabase(db, vorlane::testing::FullSampleOptions());
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelFileBytes(db).data());
}
BENCHMARK(BM_FullDatabaseChannelFileBytes)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The whole save, flushing the file to disk before it replaces the old one.
static void BM_SaveFullDatabase(benchmark::State& state) {
    const fs::path path = BenchFile("save.bin");
    ChannelDatabase db;
    vorlane::testing::MakeSampleDatabase(db, vorlane::testing::FullSampleOptions());
    for (auto _ : state) {
        if (!SaveDatabaseFile(db, path.string())) {
            state.SkipWithError("cannot write the channel file");
            break;
        }
    }
    fs::remove(path);
}
BENCHMARK(BM_SaveFullDatabase)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
