#include "blockfile/block_file_reader.h"

#include "block_file_builder.h"
#include "blockfile/block_header.h"
#include "platform/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace vorlane;
using vorlane::testing::AppendBlock;
using vorlane::testing::PatternData;

namespace {

std::vector<std::uint8_t> OneBlockFile(std::uint8_t id, std::size_t length) {
    std::vector<std::uint8_t> file;
    AppendBlock(file, id, PatternData(length, 3));
    return file;
}

struct ReadOutcome {
    bool result;
    BlockFileReport report;
    std::string trace;
};

ReadOutcome Read(const std::vector<std::uint8_t>& file, BlockTable& table) {
    TraceCapture capture;
    BlockFileReport report;
    const bool result = ReadBlockFile(file, table, &report);
    return {result, report, capture.text()};
}

} // namespace

TEST(BlockFileReader, ThreeBlocksRoundTripInFileOrder) {
    const auto program = PatternData(1000, 1), channel = PatternData(2500, 2), preset = PatternData(0, 3);
    std::vector<std::uint8_t> file;
    AppendBlock(file, 0xB1, program, 0x80000000);
    AppendBlock(file, 0xB2, channel, 0x7FC10080);
    const std::size_t presetOffset = AppendBlock(file, 0xB3, preset, 0x7FC00000);
    file[presetOffset + block_header::kVersionMajor] = 2;
    file[presetOffset + block_header::kVersionMinor] = 5;
    file[presetOffset + block_header::kMonitorMode] = block_header::kMonitorModeYes;

    BlockTable table;
    const ReadOutcome out = Read(file, table);
    ASSERT_TRUE(out.result);
    EXPECT_EQ(BlockFileFault::None, out.report.fault);
    ASSERT_EQ(3u, table.count());
    EXPECT_TRUE(table.blockFileFlag());

    const TransferClass classes[] = {TransferClass::Program, TransferClass::Channel, TransferClass::Preset};
    std::size_t offset = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const BlockEntry& entry = table[i];
        EXPECT_EQ(classes[i], entry.transferClass());
        EXPECT_EQ(0u, entry.readPosition());
        ASSERT_LE(offset + entry.size(), file.size());
        EXPECT_TRUE(std::equal(entry.bytes().begin(), entry.bytes().end(), file.begin() + offset)) << i;
        offset += entry.size();
    }
    EXPECT_EQ(file.size(), offset);
    EXPECT_EQ(128u + 2500u, table[1].size());

    const std::string presetTrace = "SW version : 2.05\n"
                                    "Signature : kWvRtLumoQX47\n"
                                    "Address : 0x7fc00000\n"
                                    "Monitor mode : YES\n"
                                    "Block ID : 0xb3 Preset\n"
                                    "Length : 0\n"
                                    "CRC : 0\n"
                                    "CRC=0\n";
    EXPECT_TRUE(out.trace.ends_with(presetTrace)) << out.trace;
    EXPECT_NE(std::string::npos, out.trace.find("SW version : 239.239\n"
                                                "Signature : kWvRtLumoQX47\n"
                                                "Address : 0x7fc10080\n"
                                                "Monitor mode : NO\n"
                                                "Block ID : 0xb2 Channel\n"
                                                "Length : 0x9c4\n"))
        << out.trace;
}

TEST(BlockFileReader, StrayBytesAfterAValidBlockFailTheFile) {
    for (std::size_t stray = 1; stray < block_header::kSize; ++stray) {
        std::vector<std::uint8_t> file = OneBlockFile(0xB1, 300);
        file.resize(file.size() + stray, 0x5A);
        BlockTable table;
        const ReadOutcome out = Read(file, table);
        EXPECT_FALSE(out.result) << stray;
        EXPECT_EQ(BlockFileFault::TruncatedHeader, out.report.fault);
        EXPECT_EQ(128u + 300u, out.report.faultOffset);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%#x != 0x80(HEADER_SIZE)\n", static_cast<unsigned>(stray));
        EXPECT_TRUE(out.trace.ends_with(expected)) << out.trace;
        // The block read before the fault stays in the table; the caller drops it.
        EXPECT_EQ(1u, table.count());
    }
}

TEST(BlockFileReader, EachBrokenMarkerStopsWithItsTrace) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        BlockFileFault fault;
        const char* lastTrace;
    };
    const Case cases[] = {
        {block_header::kSignature + 12, '8', BlockFileFault::BadSignature,
         "SW version : 239.239\nHEADER Signature is invalid\n"},
        {block_header::kMonitorMarker, 0xA5, BlockFileFault::BadMonitorMarker,
         "Address : 0x80010000\nmonitor_signature is invalid...\n"},
        {block_header::kBlockIdMarker, 0x00, BlockFileFault::BadBlockIdMarker,
         "Monitor mode : NO\nblock_id_signature is invalid...\n"},
        {block_header::kLengthMarker, 0xA3, BlockFileFault::BadLengthMarker,
         "Block ID : 0xb1 Program\nlength_signature is invalid...\n"},
        {block_header::kCrcMarker, 0xA2, BlockFileFault::BadCrcMarker, "Length : 0x40\ncrc_signature is invalid...\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> file;
        AppendBlock(file, 0xB1, PatternData(16, 9));
        const std::size_t second = AppendBlock(file, 0xB1, PatternData(64, 4));
        file[second + c.offset] = c.value;
        BlockTable table;
        const ReadOutcome out = Read(file, table);
        EXPECT_FALSE(out.result);
        EXPECT_EQ(c.fault, out.report.fault);
        EXPECT_EQ(second, out.report.faultOffset);
        EXPECT_TRUE(out.trace.ends_with(c.lastTrace)) << out.trace;
        EXPECT_EQ(1u, table.count());
    }
}

TEST(BlockFileReader, CrcOffByOneFailsWithoutMarkerTraces) {
    for (const int delta : {-1, +1}) {
        std::vector<std::uint8_t> file = OneBlockFile(0xB1, 200);
        const std::uint32_t crc = BlockHeader(file).crc();
        writeBe32(ByteSpan(file), block_header::kCrc, crc + delta);
        BlockTable table;
        const ReadOutcome out = Read(file, table);
        EXPECT_FALSE(out.result);
        EXPECT_EQ(BlockFileFault::CrcMismatch, out.report.fault);
        EXPECT_EQ(std::string::npos, out.trace.find("invalid")) << out.trace;
        char expected[32];
        std::snprintf(expected, sizeof expected, "CRC=%#x\n", crc);
        EXPECT_TRUE(out.trace.ends_with(expected)) << out.trace;
        EXPECT_TRUE(table.empty());
    }
}

TEST(BlockFileReader, IdWithoutCrcBitsIgnoresCrcAndIsClass17) {
    std::vector<std::uint8_t> file = OneBlockFile(0x42, 32);
    file[block_header::kCrcMarker] = 0x00;
    writeBe32(ByteSpan(file), block_header::kCrc, 0xDEADBEEF);
    BlockTable table;
    const ReadOutcome out = Read(file, table);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(1u, table.count());
    EXPECT_EQ(TransferClass::UnknownBlock, table[0].transferClass());
    EXPECT_EQ(static_cast<std::uint32_t>(17), static_cast<std::uint32_t>(table[0].transferClass()));
    EXPECT_TRUE(out.trace.ends_with("Block ID : 0x42 -------------> Block unknown  42\n"
                                    "Length : 0x20\n"
                                    "      ----------->>>>> Unknown  block id = 42 \n"))
        << out.trace;
}

TEST(BlockFileReader, ReservedIdB7HasNoNameButClass0) {
    BlockTable table;
    const ReadOutcome out = Read(OneBlockFile(0xB7, 8), table);
    ASSERT_TRUE(out.result);
    EXPECT_EQ(TransferClass::Program, table[0].transferClass());
    EXPECT_FALSE(table.blockFileFlag()) << "no block asked for monitor mode";
    EXPECT_NE(std::string::npos, out.trace.find("Block ID : 0xb7 -------------> Block unknown  b7\n"));
    EXPECT_EQ(std::string::npos, out.trace.find("Unknown  block id"));
}

TEST(BlockFileReader, DataRunningPastTheEndIsRefusedEvenWithZeroCrc) {
    struct Case {
        std::uint8_t id;
        std::uint32_t length;
        std::uint32_t crc;
    };
    // A zero CRC would equal the sum the loader takes for a short read; huge lengths must not wrap.
    for (const Case c : {Case{0xB1, 1000, 0}, Case{0xB1, 0xFFFFFFFF, 0}, Case{0x42, 0xFFFFFF80, 7}}) {
        std::vector<std::uint8_t> file = OneBlockFile(c.id, 100);
        writeBe32(ByteSpan(file), block_header::kDataLength, c.length);
        writeBe32(ByteSpan(file), block_header::kCrc, c.crc);
        BlockTable table;
        const ReadOutcome out = Read(file, table);
        EXPECT_FALSE(out.result);
        EXPECT_EQ(BlockFileFault::TruncatedData, out.report.fault);
        EXPECT_TRUE(out.trace.ends_with("nRead=100\n")) << out.trace;
        EXPECT_TRUE(table.empty());
    }
}

TEST(BlockFileReader, FiftyBlocksFitAndTheFiftyFirstIsRefused) {
    std::vector<std::uint8_t> file;
    for (int i = 0; i < 50; ++i)
        AppendBlock(file, 0xB4, PatternData(i, static_cast<std::uint8_t>(i)));
    BlockTable table;
    ASSERT_TRUE(Read(file, table).result);
    EXPECT_EQ(50u, table.count());

    const std::size_t extra = AppendBlock(file, 0xB4, PatternData(5, 1));
    table.clear();
    const ReadOutcome out = Read(file, table);
    EXPECT_FALSE(out.result);
    EXPECT_EQ(BlockFileFault::TooManyBlocks, out.report.fault);
    EXPECT_EQ(extra, out.report.faultOffset);
    EXPECT_EQ(BlockTable::kCapacity, table.count());
    EXPECT_TRUE(out.trace.ends_with("Block table full: more than 50 blocks\n")) << out.trace;
}

TEST(BlockFileReader, TruncatedFilesAreNoBlockFilesAndNeverReadOutOfBounds) {
    const std::vector<std::uint8_t> whole = OneBlockFile(0xB1, 40);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> file(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        BlockTable table;
        const ReadOutcome out = Read(file, table);
        EXPECT_FALSE(out.result) << length;
        EXPECT_TRUE(table.empty());
        if (length == 0) {
            EXPECT_EQ("0 != 0x80(HEADER_SIZE)\n", out.trace);
        }
    }
}

TEST(BlockFileReader, MutatedFilesAreHandledSafely) {
    std::vector<std::uint8_t> base;
    AppendBlock(base, 0xB1, PatternData(50, 1));
    AppendBlock(base, 0x42, PatternData(20, 2));
    AppendBlock(base, 0xB3, PatternData(70, 3));
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> file = base;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i)
            file[random() % file.size()] = static_cast<std::uint8_t>(random());
        file.resize(random() % (file.size() + 1));
        BlockTable table;
        BlockFileReport report;
        const bool result = ReadBlockFile(file, table, &report);
        std::size_t total = 0;
        for (std::size_t i = 0; i < table.count(); ++i)
            total += table[i].size();
        EXPECT_LE(total, file.size());
        if (result)
            EXPECT_EQ(total, file.size());
        else
            EXPECT_NE(BlockFileFault::None, report.fault);
    }
}
