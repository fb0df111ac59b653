// Reading block files as an upload does, and putting the header over a channel image as a save does.
#include "blockfile/block_file_reader.h"
#include "blockfile/block_header.h"
#include "blockfile/upload_classifier.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

using namespace vorlane;

namespace {

constexpr std::size_t kChannelFileSize = 0xD0000;

std::vector<std::uint8_t> ChannelFile() {
    std::vector<std::uint8_t> file(kChannelFileSize);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i * 13);
    if (!WriteChannelBlockHeader(file))
        std::abort();
    return file;
}

std::vector<std::uint8_t> FiftyBlockFile(std::size_t dataLength) {
    std::vector<std::uint8_t> file;
    const std::vector<std::uint8_t> data(dataLength, 0x5A);
    for (std::size_t i = 0; i < BlockTable::kCapacity; ++i) {
        const std::size_t offset = file.size();
        file.resize(offset + block_header::kSize);
        if (!WriteBlockHeader(ByteSpan(file).subspan(offset), block_id::kOsdLanguage, 0x80000000, data))
            std::abort();
        file.insert(file.end(), data.begin(), data.end());
    }
    return file;
}

void BM_ClassifyChannelFile(benchmark::State& state) {
    const std::vector<std::uint8_t> file = ChannelFile();
    BlockTable table;
    for (auto _ : state)
        benchmark::DoNotOptimize(ClassifyUploadFile("channel.bin", file, table));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ClassifyChannelFile);

void BM_ReadFiftyBlocks(benchmark::State& state) {
    const std::vector<std::uint8_t> file = FiftyBlockFile(64 * 1024);
    BlockTable table;
    for (auto _ : state) {
        table.Clear();
        benchmark::DoNotOptimize(ReadBlockFile(file, table));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadFiftyBlocks);

void BM_WriteChannelBlockHeader(benchmark::State& state) {
    std::vector<std::uint8_t> file = ChannelFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteChannelBlockHeader(file));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_WriteChannelBlockHeader);

} // namespace
