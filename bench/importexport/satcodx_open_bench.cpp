// Opening the real SATCODX sample (1108 records) the way Open does after reading the file: a new
// database, the SATCODX reader, and every list built. Target: well under 100 ms.

#include "database/channel_database.h"
#include "database/database_lifecycle.h"
#include "importexport/satcodx_importer.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace vorlane;

namespace {

std::vector<std::uint8_t> ReadSample() {
    std::ifstream in(std::string(VORLANE_TESTDATA_DIR) + "/silva_schneider.sdx", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

static void BM_OpenSatcodxSample(benchmark::State& state) {
    const std::vector<std::uint8_t> sample = ReadSample();
    if (sample.empty()) {
        state.SkipWithError("sample file not present");
        return;
    }
    ChannelDatabase db;
    for (auto _ : state) {
        Clear(db);
        Deinit(db);
        Init(db);
        const ImportResult result = SatcodxImporter::Read(db, sample);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(db.BuildAllLists());
    }
}
BENCHMARK(BM_OpenSatcodxSample)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The reader alone, on an initialised database.
static void BM_ReadSatcodxSample(benchmark::State& state) {
    const std::vector<std::uint8_t> sample = ReadSample();
    if (sample.empty()) {
        state.SkipWithError("sample file not present");
        return;
    }
    ChannelDatabase db;
    Init(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(SatcodxImporter::Read(db, sample));
}
BENCHMARK(BM_ReadSatcodxSample)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
