#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace vorlane::testing {
namespace {

using namespace std::chrono_literals;

TEST(SimulatorOptions, EveryOptionReachesTheConfiguration) {
    SimulatorCommandLine commandLine;
    std::string error;
    const std::string line =
        "--link /tmp/s/COM5 --store /tmp/out --main m.bin --channel c.bin --presetting p.bin --restart-after 1500 "
        "--ident-delay 200 --baud 115200 --log line.log --nak-packet 1 --corrupt-download-packet 2 --error-at-packet 3 "
        "--end-at-packet 4 --silent-after-packet 5 --close-after-packet 6 --no-ident --silent-to-requests --echo "
        "--split-output 3 --merge-output --corrupt-upload-packet 7 --answer-pause 700 --corrupt-stored 4096";
    std::vector<std::string_view> arguments;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        arguments.push_back(std::string_view(line).substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(1, parseSimulatorCommandLine(arguments, commandLine, error)) << error;
    const auto& config = commandLine.config;
    EXPECT_EQ("/tmp/s/COM5", config.linkPath);
    EXPECT_EQ("/tmp/out", config.storeFolder);
    EXPECT_EQ("line.log", config.logPath);
    EXPECT_EQ((std::array<std::string, 3>{"m.bin", "c.bin", "p.bin"}), commandLine.downloadPaths);
    EXPECT_EQ(1500ms, config.behaviour.restartAfterBreakIn);
    EXPECT_EQ(200ms, config.behaviour.identificationDelay);
    EXPECT_EQ(115200u, config.bitsPerSecond);
    const auto& faults = config.behaviour.faults;
    EXPECT_EQ(1, faults.nakPacket);
    EXPECT_EQ(2, faults.corruptDownloadPacket);
    EXPECT_EQ(3, faults.errorAtPacket);
    EXPECT_EQ(4, faults.endAtPacket);
    EXPECT_EQ(5, faults.silentAfterPacket);
    EXPECT_EQ(6, faults.closeAfterPacket);
    EXPECT_EQ(700ms, config.behaviour.answerPauseAfterStore);
    EXPECT_EQ(4096u, faults.corruptStoredByte);
    EXPECT_TRUE(faults.withoutIdentification);
    EXPECT_TRUE(faults.silentToRequests);
    EXPECT_EQ(7, faults.corruptUploadPacket);
    EXPECT_TRUE(config.behaviour.monitorEcho);
    EXPECT_EQ(3u, config.splitOutputBytes);
    EXPECT_TRUE(config.mergeOutput);
    EXPECT_FALSE(commandLine.help);
}

// Defaults are unpaced without restart or faults; --help needs no link; bad lines are refused with a reason.
TEST(SimulatorOptions, DefaultsHelpAndRefusedLines) {
    SimulatorCommandLine commandLine;
    std::string error;
    ASSERT_EQ(1, parseSimulatorCommandLine({"--link", "COM1"}, commandLine, error));
    EXPECT_EQ(0u, commandLine.config.bitsPerSecond);
    EXPECT_FALSE(commandLine.config.behaviour.restartAfterBreakIn);
    EXPECT_EQ(0, commandLine.config.behaviour.faults.nakPacket);
    EXPECT_EQ(1, parseSimulatorCommandLine({"--help"}, commandLine, error));
    EXPECT_TRUE(commandLine.help);

    const std::vector<std::vector<std::string_view>> bad = {
        {},
        {"--store", "x"},
        {"--link", "COM1", "--baud"},
        {"--link", "COM1", "--baud", "fast"},
        {"--link", "COM1", "--nak-packet", "0"},
        {"--link", "COM1", "--split-output", "0"},
        {"--link", "COM1", "--restart-after", "-5"},
        {"--link", "COM1", "--speed", "9600"},
    };
    for (const auto& arguments : bad) {
        SimulatorCommandLine refused;
        error.clear();
        EXPECT_EQ(0, parseSimulatorCommandLine(arguments, refused, error));
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
} // namespace vorlane::testing
