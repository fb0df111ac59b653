#include "platform/bytes.h"

#include <array>
#include <gtest/gtest.h>

using namespace vorlane;

TEST(Bytes, LittleAndBigEndianLayoutsAreExact) {
    std::array<std::uint8_t, 8> buf{};
    writeLe32(ByteSpan(buf), 0, 0x11223344u);
    writeBe32(ByteSpan(buf), 4, 0x11223344u);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0x44, 0x33, 0x22, 0x11, 0x11, 0x22, 0x33, 0x44}), buf);
    EXPECT_EQ(0x11223344u, readLe32(ConstByteSpan(buf), 0));
    EXPECT_EQ(0x11223344u, readBe32(ConstByteSpan(buf), 4));

    writeLe16(ByteSpan(buf), 1, 0xBEEF);
    writeBe16(ByteSpan(buf), 5, 0xBEEF);
    EXPECT_EQ(0xEF, buf[1]);
    EXPECT_EQ(0xBE, buf[2]);
    EXPECT_EQ(0xBE, buf[5]);
    EXPECT_EQ(0xEF, buf[6]);
    EXPECT_EQ(0xBEEF, readLe16(ConstByteSpan(buf), 1));
    EXPECT_EQ(0xBEEF, readBe16(ConstByteSpan(buf), 5));
}

TEST(Bytes, HighBitsSurviveWithoutSignExtension) {
    std::array<std::uint8_t, 4> buf{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(0xFFFFFFFFu, readLe32(buf.data()));
    EXPECT_EQ(0xFFFFu, readBe16(buf.data()));
}
