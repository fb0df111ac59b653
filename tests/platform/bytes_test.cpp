#include "platform/bytes.h"
#include "platform/trace.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace vorlane::testing {
namespace {

TEST(Bytes, LittleAndBigEndianLayoutsAreExactWithoutSignExtension) {
    std::array<std::uint8_t, 8> buf{};
    writeLe32(ByteSpan(buf), 0, 0x11223344u);
    writeBe32(ByteSpan(buf), 4, 0x11223344u);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0x44, 0x33, 0x22, 0x11, 0x11, 0x22, 0x33, 0x44}), buf);
    EXPECT_EQ(0x11223344u, readLe32(ConstByteSpan(buf), 0));
    EXPECT_EQ(0x11223344u, readBe32(ConstByteSpan(buf), 4));

    writeLe16(ByteSpan(buf), 1, 0xBEEF);
    writeBe16(ByteSpan(buf), 5, 0xBEEF);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0x44, 0xEF, 0xBE, 0x11, 0x11, 0xBE, 0xEF, 0x44}), buf);
    EXPECT_EQ(0xBEEF, readLe16(ConstByteSpan(buf), 1));
    EXPECT_EQ(0xBEEF, readBe16(ConstByteSpan(buf), 5));

    buf.fill(0xFF);
    EXPECT_EQ(0xFFFFFFFFu, readLe32(buf.data()));
    EXPECT_EQ(0xFFFFu, readBe16(buf.data()));
}

TEST(Trace, CaptureSeesWholeFormattedLinesAndRestoresThePreviousSink) {
    std::string outer;
    setTraceSink([&outer](std::string_view line) { outer.append(line); });
    {
        TraceCapture capture;
        DebugOut("channel size=%d, satellite size=%d\n", 0x120000, 0x20000);
        DebugOut("%s", "");
        const std::string longText(5000, 'x'); // not truncated
        DebugOut("%s\n", longText.c_str());
        EXPECT_EQ("channel size=1179648, satellite size=131072\n" + longText + "\n", capture.text());
    }
    DebugOut("after\n");
    EXPECT_EQ("after\n", outer);
    setTraceSink({});
}

} // namespace
} // namespace vorlane::testing
