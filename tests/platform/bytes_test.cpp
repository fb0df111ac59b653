#include "platform/bytes.h"
#include "platform/trace.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace vorlane::testing {
namespace {

TEST(Bytes, LittleAndBigEndianLayoutsAreExactWithoutSignExtension) {
    std::array<std::uint8_t, 8> buf{};
    WriteLe32(ByteSpan(buf), 0, 0x11223344u);
    WriteBe32(ByteSpan(buf), 4, 0x11223344u);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0x44, 0x33, 0x22, 0x11, 0x11, 0x22, 0x33, 0x44}), buf);
    EXPECT_EQ(0x11223344u, ReadLe32(ConstByteSpan(buf), 0));
    EXPECT_EQ(0x11223344u, ReadBe32(ConstByteSpan(buf), 4));

    WriteLe16(ByteSpan(buf), 1, 0xBEEF);
    WriteBe16(ByteSpan(buf), 5, 0xBEEF);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0x44, 0xEF, 0xBE, 0x11, 0x11, 0xBE, 0xEF, 0x44}), buf);
    EXPECT_EQ(0xBEEF, ReadLe16(ConstByteSpan(buf), 1));
    EXPECT_EQ(0xBEEF, ReadBe16(ConstByteSpan(buf), 5));

    buf.fill(0xFF);
    EXPECT_EQ(0xFFFFFFFFu, ReadLe32(buf.data()));
    EXPECT_EQ(0xFFFFu, ReadBe16(buf.data()));
}

TEST(Trace, CaptureSeesWholeFormattedLinesAndRestoresThePreviousSink) {
    std::string outer;
    SetTraceSink([&outer](std::string_view line) { outer.append(line); });
    {
        TraceCapture capture;
        DebugOut("channel size=%d, satellite size=%d\n", 0x120000, 0x20000);
        DebugOut("%s", "");
        const std::string longText(5000, 'x'); // not truncated
        DebugOut("%s\n", longText.c_str());
        EXPECT_EQ("channel size=1179648, satellite size=131072\n" + longText + "\n", capture.Text());
    }
    DebugOut("after\n");
    EXPECT_EQ("after\n", outer);
    SetTraceSink({});
}

} // namespace
} // namespace vorlane::testing
