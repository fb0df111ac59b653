#include "platform/bytes.h"
#include "platform/trace.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace vorlane::testing {
namespace {

TEST(Bytes, LittleAndBigEndianLayoutsAreExactWithoutSignExtension) {
    // Every byte has its top bit set, so a sign extension anywhere would show.
    std::array<std::uint8_t, 8> buf{};
    WriteLe32(ByteSpan(buf), 0, 0xF1E2D3C4u);
    WriteBe32(ByteSpan(buf), 4, 0xF1E2D3C4u);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0xC4, 0xD3, 0xE2, 0xF1, 0xF1, 0xE2, 0xD3, 0xC4}), buf);
    EXPECT_EQ(0xF1E2D3C4u, ReadLe32(ConstByteSpan(buf), 0));
    EXPECT_EQ(0xF1E2D3C4u, ReadBe32(ConstByteSpan(buf), 4));

    WriteLe16(ByteSpan(buf), 1, 0xBEEF);
    WriteBe16(ByteSpan(buf), 5, 0xBEEF);
    EXPECT_EQ((std::array<std::uint8_t, 8>{0xC4, 0xEF, 0xBE, 0xF1, 0xF1, 0xBE, 0xEF, 0xC4}), buf);
    EXPECT_EQ(0xBEEF, ReadLe16(ConstByteSpan(buf), 1));
    EXPECT_EQ(0xBEEF, ReadBe16(ConstByteSpan(buf), 5));
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
