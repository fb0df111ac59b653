// The bytes of a saved channel file: an image of the database under one channel block header.

#include "blockfile/channel_file.h"

#include "blockfile/block_file_reader.h"
#include "blockfile/block_header.h"
#include "database/database_image.h"
#include "database/database_lifecycle.h"
#include "storage/checksum.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

using namespace vorlane;

namespace {

constexpr std::size_t kHeaderSize = 0x80;

// The header every channel file carries, apart from its CRC at 0x4C..0x4F.
std::array<std::uint8_t, kHeaderSize> expectedHeaderWithoutCrc() {
    std::array<std::uint8_t, kHeaderSize> header;
    header.fill(0xEF);
    const std::uint8_t address[] = {0x01, 0x02, 0x7F, 0xC1};
    std::copy(std::begin(address), std::end(address), header.begin() + 0x30);
    header[0x36] = 0x00;
    header[0x37] = 0x80;
    header[0x40] = 0xA1;
    header[0x41] = 0xB2;
    header[0x44] = 0xA4;
    header[0x45] = 0x00;
    header[0x46] = 0xA2;
    const std::uint8_t length[] = {0x00, 0x0C, 0xFF, 0x80};
    std::copy(std::begin(length), std::end(length), header.begin() + 0x47);
    header[0x4B] = 0xA3;
    const std::string_view signature = "kWvRtLumoQX47";
    std::copy(signature.begin(), signature.end(), header.begin() + 0x50);
    header[0x60] = 0xA5;
    return header;
}

bool isFillByte(std::size_t offset) {
    return offset <= 0x2F || offset == 0x34 || offset == 0x35 || (offset >= 0x38 && offset <= 0x3F) || offset == 0x42 ||
           offset == 0x43 || (offset >= 0x5D && offset <= 0x5F) || offset >= 0x61;
}

class ChannelFileBytesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(vorlane::testing::makeSampleDatabase(db, 7, 8, 120, 600), 0); }
    ChannelDatabase db;
};

} // namespace

TEST_F(ChannelFileBytesTest, HeaderIsTheChannelBlockHeaderByteForByte) {
    const std::vector<std::uint8_t> file = ChannelFileBytes(db);
    ASSERT_EQ(0xD0000u, file.size());

    std::array<std::uint8_t, kHeaderSize> expected = expectedHeaderWithoutCrc();
    std::uint32_t sum = 0;
    for (std::size_t i = 0x80; i < 0xD0000; ++i)
        sum += file[i];
    writeBe32(expected.data() + 0x4C, sum);
    for (std::size_t offset = 0; offset < kHeaderSize; ++offset)
        EXPECT_EQ(expected[offset], file[offset]) << "offset 0x" << std::hex << offset;

    for (std::size_t offset = 0; offset < kHeaderSize; ++offset) {
        if (isFillByte(offset)) {
            EXPECT_EQ(0xEF, file[offset]) << "offset 0x" << std::hex << offset;
        }
    }
}

TEST_F(ChannelFileBytesTest, DataBehindTheHeaderIsTheStoredImageAndTheFileIsOneValidBlock) {
    const std::vector<std::uint8_t> file = ChannelFileBytes(db);
    const std::vector<std::uint8_t> image = StoreIntoImage(db);
    ASSERT_EQ(image.size(), file.size());
    EXPECT_TRUE(std::equal(image.begin() + kHeaderSize, image.end(), file.begin() + kHeaderSize));

    BlockTable table;
    ASSERT_TRUE(ReadBlockFile(file, table));
    ASSERT_EQ(1u, table.count());
    EXPECT_EQ(TransferClass::Channel, table[0].transferClass());
    EXPECT_EQ(0xD0000u, table[0].size());
    EXPECT_FALSE(table.blockFileFlag());
    const BlockHeader header(file);
    EXPECT_EQ(0x7FC10080u, header.loadAddress());
    EXPECT_EQ(Checksum(ConstByteSpan(file).subspan(kHeaderSize)), header.crc());
}

TEST_F(ChannelFileBytesTest, StoringTwiceGivesTheSameFile) {
    EXPECT_EQ(ChannelFileBytes(db), ChannelFileBytes(db));
}

TEST(ChannelFileBytes, EmptyWithoutTables) {
    ChannelDatabase db;
    EXPECT_TRUE(ChannelFileBytes(db).empty());
}
