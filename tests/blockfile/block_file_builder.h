#pragma once
// Builds block files for the tests: each block is a written header followed by its data.

#include "blockfile/block_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vorlane::testing {

inline std::vector<std::uint8_t> PatternData(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> data(length);
    for (std::size_t i = 0; i < length; ++i)
        data[i] = static_cast<std::uint8_t>(seed + i * 7);
    return data;
}

// Appends one block and returns the offset of its header.
inline std::size_t AppendBlock(std::vector<std::uint8_t>& file, std::uint8_t blockId,
                               const std::vector<std::uint8_t>& data, std::uint32_t loadAddress = 0x80010000) {
    const std::size_t offset = file.size();
    file.resize(offset + block_header::kSize);
    if (!WriteBlockHeader(ByteSpan(file).subspan(offset, block_header::kSize), blockId, loadAddress, data))
        ADD_FAILURE() << "block header not written";
    file.insert(file.end(), data.begin(), data.end());
    return offset;
}

} // namespace vorlane::testing
