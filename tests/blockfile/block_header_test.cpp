#include "blockfile/block_header.h"

#include "blockfile/block_ids.h"
#include "storage/checksum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

using namespace vorlane;

namespace {

constexpr std::size_t kChannelFileSize = 0xD0000;

std::vector<std::uint8_t> ChannelImage() {
    std::vector<std::uint8_t> image(kChannelFileSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + (i >> 9));
    return image;
}

} // namespace

TEST(BlockHeaderWrite, ChannelHeaderIsByteExact) {
    std::vector<std::uint8_t> image = ChannelImage();
    const std::uint32_t dataSum = Checksum(ConstByteSpan(image).subspan(0x80));
    ASSERT_TRUE(WriteChannelBlockHeader(image));

    const std::vector<std::pair<std::size_t, std::uint8_t>> expected = {
        {0x30, 0x01},
        {0x31, 0x02},
        {0x32, 0x7F},
        {0x33, 0xC1},
        {0x36, 0x00},
        {0x37, 0x80},
        {0x40, 0xA1},
        {0x41, 0xB2},
        {0x44, 0xA4},
        {0x45, 0x00},
        {0x46, 0xA2},
        {0x47, 0x00},
        {0x48, 0x0C},
        {0x49, 0xFF},
        {0x4A, 0x80},
        {0x4B, 0xA3},
        {0x60, 0xA5},
        {0x4C, static_cast<std::uint8_t>(dataSum >> 24)},
        {0x4D, static_cast<std::uint8_t>(dataSum >> 16)},
        {0x4E, static_cast<std::uint8_t>(dataSum >> 8)},
        {0x4F, static_cast<std::uint8_t>(dataSum)},
    };
    std::set<std::size_t> written;
    for (const auto& [offset, value] : expected) {
        EXPECT_EQ(value, image[offset]) << "offset " << std::hex << offset;
        written.insert(offset);
    }
    const char signature[] = "kWvRtLumoQX47";
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(static_cast<std::uint8_t>(signature[i]), image[0x50 + i]);
        written.insert(0x50 + i);
    }
    for (std::size_t offset = 0; offset < 0x80; ++offset) {
        if (!written.count(offset)) {
            EXPECT_EQ(0xEF, image[offset]) << "offset " << std::hex << offset;
        }
    }

    // The data behind the header are untouched and the stored CRC covers exactly bytes 0x80..0xCFFFF.
    const std::vector<std::uint8_t> original = ChannelImage();
    EXPECT_TRUE(std::equal(image.begin() + 0x80, image.end(), original.begin() + 0x80));
    EXPECT_EQ(dataSum, Checksum(ConstByteSpan(image).subspan(0x80)));
}

TEST(BlockHeaderWrite, ViewReadsBackWhatWasWritten) {
    const std::vector<std::uint8_t> data = {0xFF, 0xFF, 0xFF, 0x01};
    std::array<std::uint8_t, block_header::kSize> bytes{};
    ASSERT_TRUE(WriteBlockHeader(bytes, block_id::kPreset, 0x12345678, data));

    const BlockHeader header(bytes);
    EXPECT_EQ(0x12345678u, header.loadAddress());
    EXPECT_EQ(block_id::kPreset, header.blockId());
    EXPECT_EQ(4u, header.dataLength());
    EXPECT_EQ(0x2FEu, header.crc());
    EXPECT_EQ(0xEF, header.versionMajor());
    EXPECT_EQ(0xEF, header.versionMinor());
    EXPECT_FALSE(header.monitorMode());
    EXPECT_TRUE(header.signatureValid());
    EXPECT_TRUE(header.blockIdMarkerValid());
    EXPECT_TRUE(header.monitorMarkerValid());
    EXPECT_TRUE(header.lengthMarkerValid());
    EXPECT_TRUE(header.crcMarkerValid());
    // Bytes 0x34 and 0x35 of address word B are not part of the address.
    EXPECT_EQ(0xEF, bytes[0x34]);
    EXPECT_EQ(0xEF, bytes[0x35]);
}

TEST(BlockHeaderWrite, EmptyDataAndCrcWrapAround) {
    std::array<std::uint8_t, block_header::kSize> bytes{};
    ASSERT_TRUE(WriteBlockHeader(bytes, block_id::kProgram, 0, {}));
    EXPECT_EQ(0u, BlockHeader(bytes).dataLength());
    EXPECT_EQ(0u, BlockHeader(bytes).crc());
}

TEST(BlockHeaderWrite, RefusesTooSmallTargets) {
    std::array<std::uint8_t, block_header::kSize - 1> small{};
    small.fill(0x11);
    EXPECT_FALSE(WriteBlockHeader(small, block_id::kProgram, 0, {}));
    EXPECT_FALSE(WriteChannelBlockHeader(small));
    for (std::uint8_t b : small)
        EXPECT_EQ(0x11, b);
}

TEST(BlockIds, NamesAndClasses) {
    EXPECT_STREQ("All data blocks", BlockIdName(0xB0));
    EXPECT_STREQ("Program", BlockIdName(0xB1));
    EXPECT_STREQ("Channel", BlockIdName(0xB2));
    EXPECT_STREQ("Preset", BlockIdName(0xB3));
    EXPECT_STREQ("Osd lang", BlockIdName(0xB4));
    EXPECT_STREQ("icon", BlockIdName(0xB5));
    EXPECT_STREQ("Mpeg data", BlockIdName(0xB6));
    EXPECT_EQ(nullptr, BlockIdName(0xB7));
    EXPECT_STREQ("P2 key data", BlockIdName(0xB8));
    EXPECT_EQ(nullptr, BlockIdName(0xAF));
    EXPECT_EQ(nullptr, BlockIdName(0xB9));

    for (int id = 0; id < 256; ++id) {
        const auto b = static_cast<std::uint8_t>(id);
        TransferClass expected = TransferClass::UnknownBlock;
        if (b == 0xB2)
            expected = TransferClass::Channel;
        else if (b == 0xB3)
            expected = TransferClass::Preset;
        else if (b >= 0xB0 && b <= 0xB8)
            expected = TransferClass::Program;
        EXPECT_EQ(expected, TransferClassOfBlockId(b)) << std::hex << id;
        EXPECT_EQ(b >= 0xB0 && b <= 0xB8, IsKnownBlockId(b));
    }
    EXPECT_TRUE(BlockIdHasCrc(0x80));
    EXPECT_FALSE(BlockIdHasCrc(0x42));
    EXPECT_FALSE(BlockIdHasCrc(0x00));
}
