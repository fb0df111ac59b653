#include "blockfile/block_file_reader.h"

#include "block_file_builder.h"
#include "blockfile/block_header.h"
#include "blockfile/block_ids.h"
#include "platform/trace.h"
#include "storage/checksum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using File = std::vector<std::uint8_t>;

File Blocks(std::initializer_list<std::pair<std::uint8_t, std::size_t>> blocks) { // id, data length
    File file;
    std::uint8_t seed = 3;
    for (const auto& [id, length] : blocks)
        AppendBlock(file, id, PatternData(length, seed++));
    return file;
}

File Changed(File file, const std::function<void(File&)>& change) {
    change(file);
    return file;
}

struct ReadOutcome {
    bool result;
    BlockFileReport report;
    std::string trace;
};

ReadOutcome Read(const File& file, BlockTable& table) {
    TraceCapture capture;
    BlockFileReport report;
    const bool result = ReadBlockFile(file, table, &report);
    return {result, report, capture.Text()};
}

TEST(BlockFileReader, ThreeBlocksRoundTripInFileOrder) {
    const auto program = PatternData(1000, 1), channel = PatternData(2500, 2), preset = PatternData(0, 3);
    File file;
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
    ASSERT_EQ(3u, table.Count());
    EXPECT_TRUE(table.BlockFileFlag());
    const TransferClass classes[] = {TransferClass::Program, TransferClass::Channel, TransferClass::Preset};
    std::size_t offset = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(classes[i], table[i].EntryClass());
        EXPECT_EQ(0u, table[i].ReadPosition());
        ASSERT_LE(offset + table[i].size(), file.size());
        EXPECT_TRUE(std::equal(table[i].Content().begin(), table[i].Content().end(), file.begin() + offset)) << i;
        offset += table[i].size();
    }
    EXPECT_EQ(file.size(), offset);
    EXPECT_TRUE(out.trace.ends_with("SW version : 2.05\nSignature : kWvRtLumoQX47\nAddress : 0x7fc00000\n"
                                    "Monitor mode : YES\nBlock ID : 0xb3 Preset\nLength : 0\nCRC : 0\nCRC=0\n"))
        << out.trace;
}

TEST(BlockFileReader, BlocksWithoutCrcBitsOrNameAreTakenWithTheirClass) {
    BlockTable table;
    File unknown = Blocks({{0x42, 32}});
    unknown[block_header::kCrcMarker] = 0x00;
    WriteBe32(ByteSpan(unknown), block_header::kCrc, 0xDEADBEEF); // no CRC bits in the id: not checked
    ReadOutcome out = Read(unknown, table);
    ASSERT_TRUE(out.result);
    ASSERT_EQ(1u, table.Count());
    EXPECT_EQ(17u, static_cast<std::uint32_t>(table[0].EntryClass()));
    EXPECT_TRUE(out.trace.ends_with("Block ID : 0x42 -------------> Block unknown  42\nLength : 0x20\n"
                                    "      ----------->>>>> Unknown  block id = 42 \n"))
        << out.trace;

    table.Clear();
    out = Read(Blocks({{0xB7, 8}}), table); // reserved: no name, but class 0
    ASSERT_TRUE(out.result);
    EXPECT_EQ(TransferClass::Program, table[0].EntryClass());
    EXPECT_FALSE(table.BlockFileFlag()) << "no block asked for monitor mode";
    EXPECT_NE(std::string::npos, out.trace.find("Block ID : 0xb7 -------------> Block unknown  b7\n"));
    EXPECT_EQ(std::string::npos, out.trace.find("Unknown  block id"));
}

// Each refused file: the fault, the header offset of the failing block, the last trace lines, and the blocks
// read before the fault (left in the table; the caller drops them).
TEST(BlockFileReader, RefusedFilesReportTheFaultWhereAndWhy) {
    const auto second = [](std::size_t offset, std::uint8_t value) {
        return Changed(Blocks({{0xB1, 16}, {0xB1, 64}}), [=](File& f) { f[144 + offset] = value; });
    };
    const auto stray = [](std::size_t count) {
        return Changed(Blocks({{0xB1, 300}}), [=](File& f) { f.resize(f.size() + count, 0x5A); });
    };
    // A zero CRC would equal the sum the loader takes for a short read; huge lengths must not wrap.
    const auto pastTheEnd = [](std::uint8_t id, std::uint32_t length, std::uint32_t crc) {
        return Changed(Blocks({{id, 100}}), [=](File& f) {
            WriteBe32(ByteSpan(f), block_header::kDataLength, length);
            WriteBe32(ByteSpan(f), block_header::kCrc, crc);
        });
    };
    const File crcBlock = Blocks({{0xB1, 200}});
    const std::uint32_t crc = BlockHeader(crcBlock).Crc(); // the byte sum of the data, 0x5f7c
    const auto crcPlus = [&](int delta) {
        return Changed(crcBlock, [=](File& f) { WriteBe32(ByteSpan(f), block_header::kCrc, crc + delta); });
    };
    File tooMany;
    for (int i = 0; i < 51; ++i)
        AppendBlock(tooMany, 0xB4, PatternData(i % 50, static_cast<std::uint8_t>(i)));

    using F = BlockFileFault;
    const struct {
        const char* name;
        File file;
        F fault;
        std::size_t offset;
        std::string trace;
        std::size_t kept;
    } cases[] = {
        {"empty", {}, F::TruncatedHeader, 0, "0 != 0x80(HEADER_SIZE)\n", 0},
        {"one stray byte", stray(1), F::TruncatedHeader, 428, "0x1 != 0x80(HEADER_SIZE)\n", 1},
        {"127 stray bytes", stray(127), F::TruncatedHeader, 428, "0x7f != 0x80(HEADER_SIZE)\n", 1},
        {"signature", second(block_header::kSignature + 12, '8'), F::BadSignature, 144,
         "SW version : 239.239\nHEADER Signature is invalid\n", 1},
        {"monitor marker", second(block_header::kMonitorMarker, 0xA5), F::BadMonitorMarker, 144,
         "Address : 0x80010000\nmonitor_signature is invalid...\n", 1},
        {"block id marker", second(block_header::kBlockIdMarker, 0x00), F::BadBlockIdMarker, 144,
         "Monitor mode : NO\nblock_id_signature is invalid...\n", 1},
        {"length marker", second(block_header::kLengthMarker, 0xA3), F::BadLengthMarker, 144,
         "Block ID : 0xb1 Program\nlength_signature is invalid...\n", 1},
        {"crc marker", second(block_header::kCrcMarker, 0xA2), F::BadCrcMarker, 144,
         "Length : 0x40\ncrc_signature is invalid...\n", 1},
        {"crc one less", crcPlus(-1), F::CrcMismatch, 0, "CRC=0x5f7c\n", 0},
        {"crc one more", crcPlus(+1), F::CrcMismatch, 0, "CRC=0x5f7c\n", 0},
        {"length past the end", pastTheEnd(0xB1, 1000, 0), F::TruncatedData, 0, "nRead=100\n", 0},
        {"length 0xFFFFFFFF", pastTheEnd(0xB1, 0xFFFFFFFF, 0), F::TruncatedData, 0, "nRead=100\n", 0},
        {"unknown id, length 0xFFFFFF80", pastTheEnd(0x42, 0xFFFFFF80, 7), F::TruncatedData, 0, "nRead=100\n", 0},
        {"51 blocks", tooMany, F::TooManyBlocks, 50 * 128 + 49 * 50 / 2, "Block table full: more than 50 blocks\n", 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BlockTable table;
        const ReadOutcome out = Read(c.file, table);
        EXPECT_FALSE(out.result);
        EXPECT_EQ(c.fault, out.report.fault);
        EXPECT_EQ(c.offset, out.report.faultOffset);
        EXPECT_TRUE(out.trace.ends_with(c.trace)) << out.trace;
        EXPECT_EQ(c.trace.find("invalid") == std::string::npos, out.trace.find("invalid") == std::string::npos);
        EXPECT_EQ(c.kept, table.Count());
    }
    BlockTable full;
    for (std::size_t i = 0; i <= 50; ++i)
        EXPECT_EQ(i < 50, full.Append(BlockEntry())) << "the table is full at 50";
}

// Random damage and cuts: never more taken than the file holds; an accepted file is covered exactly, a refused
// one names its fault.
TEST(BlockFileReader, TruncatedAndMutatedFilesAreHandledSafely) {
    const File base = Blocks({{0xB1, 50}, {0x42, 20}, {0xB3, 70}});
    std::mt19937 random(12345);
    for (int round = 0; round < 1000; ++round) {
        File file = base;
        for (int i = 0, changes = 1 + static_cast<int>(random() % 4); i < changes; ++i)
            file[random() % file.size()] = static_cast<std::uint8_t>(random());
        file.resize(random() % (file.size() + 1));
        BlockTable table;
        BlockFileReport report;
        const bool result = ReadBlockFile(file, table, &report);
        std::size_t total = 0;
        for (std::size_t i = 0; i < table.Count(); ++i)
            total += table[i].size();
        EXPECT_TRUE(result ? total == file.size() : total <= file.size() && report.fault != BlockFileFault::None);
    }
}

TEST(BlockEntry, ReadsInChunksRewindsAndFrees) {
    std::vector<std::uint8_t> bytes(2500);
    std::iota(bytes.begin(), bytes.end(), 0);
    BlockEntry entry(bytes, TransferClass::P2);
    std::array<std::uint8_t, 1024> chunk{};
    for (const std::size_t expected : {1024u, 1024u, 452u})
        EXPECT_EQ(expected, entry.ReadNext(chunk));
    EXPECT_EQ(bytes[2048], chunk[0]);
    EXPECT_EQ(2500u, entry.ReadPosition());
    EXPECT_EQ(0u, entry.ReadNext(chunk));
    entry.SetReadPosition(2500 - 452); // resend the last, short packet
    EXPECT_EQ(452u, entry.ReadNext(chunk));
    entry.SetReadPosition(99999);
    EXPECT_EQ(2500u, entry.ReadPosition());
    EXPECT_EQ(0u, entry.ReadNext(chunk));

    entry.SetReadPosition(10);
    entry.FreeBytes();
    EXPECT_EQ(0u, entry.size());
    EXPECT_EQ(0u, entry.ReadPosition());
    EXPECT_EQ(0u, entry.ReadNext(chunk));
}

using Header = std::array<std::uint8_t, block_header::kSize>;

void Put(Header& h, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), h.begin() + static_cast<std::ptrdiff_t>(offset));
}

TEST(BlockHeaderWrite, ChannelHeaderIsByteExactAndItsCrcCoversTheDataBehind) {
    std::vector<std::uint8_t> image(0xD0000);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + (i >> 9));
    const std::vector<std::uint8_t> original = image;
    const std::uint32_t sum = Checksum(ConstByteSpan(image).subspan(0x80));
    ASSERT_TRUE(WriteChannelBlockHeader(image));

    Header expected;
    expected.fill(0xEF);
    Put(expected, 0x30, {0x01, 0x02, 0x7F, 0xC1});
    Put(expected, 0x36, {0x00, 0x80});
    Put(expected, 0x40, {0xA1, 0xB2});
    Put(expected, 0x44, {0xA4, 0x00, 0xA2, 0x00, 0x0C, 0xFF, 0x80, 0xA3});
    WriteBe32(expected.data() + 0x4C, sum);
    Put(expected, 0x50, {'k', 'W', 'v', 'R', 't', 'L', 'u', 'm', 'o', 'Q', 'X', '4', '7'});
    expected[0x60] = 0xA5;
    for (std::size_t offset = 0; offset < expected.size(); ++offset)
        EXPECT_EQ(expected[offset], image[offset]) << "offset 0x" << std::hex << offset;
    EXPECT_TRUE(std::equal(image.begin() + 0x80, image.end(), original.begin() + 0x80));
}

// The other fields read back through the reader's trace in the block file reader tests.
TEST(BlockHeaderWrite, CrcIsTheUnsignedByteSumAndSmallTargetsAreRefused) {
    Header bytes{};
    ASSERT_TRUE(WriteBlockHeader(bytes, block_id::kPreset, 0x12345678, std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 1}));
    EXPECT_EQ(0x2FEu, BlockHeader(bytes).Crc());
    // Bytes 0x34 and 0x35 of address word B are not part of the address.
    EXPECT_EQ(0xEF, bytes[0x34]);
    EXPECT_EQ(0xEF, bytes[0x35]);

    std::array<std::uint8_t, block_header::kSize - 1> small;
    small.fill(0x11);
    EXPECT_FALSE(WriteBlockHeader(small, block_id::kProgram, 0, {}));
    EXPECT_FALSE(WriteChannelBlockHeader(small));
    EXPECT_TRUE(std::all_of(small.begin(), small.end(), [](std::uint8_t b) { return b == 0x11; }));
}

TEST(BlockIds, Classes) {
    for (int id = 0; id < 256; ++id) {
        const auto b = static_cast<std::uint8_t>(id);
        const bool known = b >= 0xB0 && b <= 0xB8;
        const TransferClass expected = b == 0xB2   ? TransferClass::Channel
                                       : b == 0xB3 ? TransferClass::Preset
                                       : known     ? TransferClass::Program
                                                   : TransferClass::UnknownBlock;
        EXPECT_EQ(expected, TransferClassOfBlockId(b)) << std::hex << id;
        EXPECT_EQ(known, IsKnownBlockId(b));
    }
    EXPECT_TRUE(BlockIdHasCrc(0x80));
    EXPECT_FALSE(BlockIdHasCrc(0x42));
    EXPECT_FALSE(BlockIdHasCrc(0x00));
}

} // namespace
} // namespace vorlane::testing
