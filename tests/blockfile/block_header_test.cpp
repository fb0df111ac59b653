#include "blockfile/block_header.h"
#include "blockfile/block_ids.h"
#include "storage/checksum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace vorlane::testing {
namespace {

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
