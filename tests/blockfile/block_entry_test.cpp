#include "blockfile/block_entry.h"
#include "blockfile/block_table.h"

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

TEST(BlockTable, HoldsFiftyEntriesAndClearsEverything) {
    BlockTable table;
    for (std::size_t i = 0; i < BlockTable::kCapacity; ++i)
        ASSERT_TRUE(table.append(BlockEntry(std::vector<std::uint8_t>(i + 1, 0), TransferClass::Program)));
    EXPECT_FALSE(table.append(BlockEntry(std::vector<std::uint8_t>(1, 0), TransferClass::Program)));
    EXPECT_EQ(50u, table.count());
    EXPECT_EQ(50u, table[49].size());
    table.setBlockFileFlag(true);
    table.clear();
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(table.blockFileFlag());
    ASSERT_TRUE(table.append(BlockEntry(std::vector<std::uint8_t>(7, 0), TransferClass::Sky)));
    EXPECT_EQ(7u, table[0].size());
}

} // namespace
} // namespace vorlane::testing
