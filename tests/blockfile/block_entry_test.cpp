#include "blockfile/block_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

namespace vorlane::testing {
namespace {

TEST(BlockEntry, ReadsInChunksRewindsAndFrees) {
    std::vector<std::uint8_t> bytes(2500);
    std::iota(bytes.begin(), bytes.end(), 0);
    BlockEntry entry(bytes, TransferClass::P2);
    std::array<std::uint8_t, 1024> chunk{};
    for (const std::size_t expected : {1024u, 1024u, 452u})
        EXPECT_EQ(expected, entry.readNext(chunk));
    EXPECT_EQ(bytes[2048], chunk[0]);
    EXPECT_EQ(2500u, entry.readPosition());
    EXPECT_EQ(0u, entry.readNext(chunk));
    entry.setReadPosition(2500 - 452); // resend the last, short packet
    EXPECT_EQ(452u, entry.readNext(chunk));
    entry.setReadPosition(99999);
    EXPECT_EQ(2500u, entry.readPosition());
    EXPECT_EQ(0u, entry.readNext(chunk));

    entry.setReadPosition(10);
    entry.freeBytes();
    EXPECT_EQ(0u, entry.size());
    EXPECT_EQ(0u, entry.readPosition());
    EXPECT_EQ(0u, entry.readNext(chunk));
    EXPECT_EQ(TransferClass::P2, entry.transferClass());
    EXPECT_EQ(0u, BlockEntry().size());
}

} // namespace
} // namespace vorlane::testing
