// The bytes of a saved channel file: an image of the database under one channel block header.
#include "blockfile/channel_file.h"

#include "blockfile/block_header.h"
#include "database/database_image.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

TEST(ChannelFileBytes, IsTheStoredImageUnderTheChannelBlockHeader) {
    ChannelDatabase db;
    ASSERT_GT(MakeSampleDatabase(db, 7, 8, 120, 600), 0);
    const std::vector<std::uint8_t> file = ChannelFileBytes(db);
    std::vector<std::uint8_t> expected = StoreIntoImage(db);
    ASSERT_TRUE(WriteChannelBlockHeader(expected));
    EXPECT_EQ(expected, file);

    ChannelDatabase empty;
    EXPECT_TRUE(ChannelFileBytes(empty).empty()) << "no tables, no file";
}

} // namespace
} // namespace vorlane::testing
