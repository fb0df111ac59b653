#include "platform/trace.h"

#include <gtest/gtest.h>
#include <string>

using namespace vorlane;

TEST(Trace, CaptureSeesFormattedLinesAndRestoresPreviousSink) {
    std::string outer;
    setTraceSink([&outer](std::string_view line) { outer.append(line); });
    {
        TraceCapture capture;
        DebugOut("channel size=%d, satellite size=%d\n", 0x120000, 0x20000);
        DebugOut("%s", "");
        EXPECT_EQ("channel size=1179648, satellite size=131072\n", capture.text());
    }
    DebugOut("after\n");
    EXPECT_EQ("after\n", outer);
    setTraceSink({});
}

TEST(Trace, LongLinesAreNotTruncated) {
    TraceCapture capture;
    const std::string longText(5000, 'x');
    DebugOut("%s\n", longText.c_str());
    EXPECT_EQ(longText + "\n", capture.text());
}
