// Saving and loading the database tables through an image: both regions written into a fresh image, rewritten
// unchanged, and read back.
#include "storage/storage_image.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

using namespace vorlane;

namespace {

std::vector<std::uint8_t> TableBytes(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + seed);
    return bytes;
}

struct Tables {
    std::vector<std::uint8_t> satellites = TableBytes(kSatelliteRegionSize, 1);
    std::vector<std::uint8_t> channels = TableBytes(kChannelRegionSize, 2);

    void WriteInto(StorageImage& image) const {
        benchmark::DoNotOptimize(image.WriteRegion(satellites, kSatelliteRegionFirstLogical));
        benchmark::DoNotOptimize(image.WriteRegion(channels, kChannelRegionFirstLogical));
    }
};

void BM_WriteBothRegionsIntoFreshImage(benchmark::State& state) {
    const Tables tables;
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = MakeFreshImage();
        StorageImage image(bytes);
        tables.WriteInto(image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WriteBothRegionsIntoFreshImage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_RewriteUnchangedRegions(benchmark::State& state) {
    const Tables tables;
    std::vector<std::uint8_t> bytes = MakeFreshImage();
    StorageImage image(bytes);
    tables.WriteInto(image);
    for (auto _ : state) {
        tables.WriteInto(image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RewriteUnchangedRegions)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ReadBothRegions(benchmark::State& state) {
    Tables tables;
    std::vector<std::uint8_t> bytes = MakeFreshImage();
    StorageImage image(bytes);
    tables.WriteInto(image);
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.ReadRegion(tables.satellites, kSatelliteRegionFirstLogical));
        benchmark::DoNotOptimize(image.ReadRegion(tables.channels, kChannelRegionFirstLogical));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ReadBothRegions)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
