// The verify comparison of a full channel file (851,968 bytes) with its read-back: goal under 5 ms, so that the
// time of a verified upload is the line's. Measured with one differing byte in every table sector, which makes
// every part of the image count.

#include "loader/channel_image_compare.h"
#include "support/channel_file_sample.h"

#include <benchmark/benchmark.h>

namespace vorlane {
namespace {

void BM_CompareFullChannelFile(benchmark::State& state) {
    const std::vector<std::uint8_t> sent = testing::SampleChannelFile(0x33, 5000);
    std::vector<std::uint8_t> readBack = sent;
    for (std::size_t sector = kFirstSectorOffset; sector < readBack.size(); sector += kSectorSize)
        readBack[sector + 0x400] ^= 1;
    for (auto _ : state) {
        const ChannelImageDifference difference = CompareChannelImages(sent, readBack);
        benchmark::DoNotOptimize(difference);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sent.size()));
}
BENCHMARK(BM_CompareFullChannelFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorlane
