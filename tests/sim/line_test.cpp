#include "simulator_fixture.h"

#include "sim/line_pacer.h"

#include <fstream>
#include <iterator>

namespace vorlane::testing {
namespace {

namespace fs = std::filesystem;

class SimulatorLink : public SimulatorTest {};

// The link names the running simulator's terminal: a stale link is replaced, a file is not, and a simulator only
// removes its own link.
TEST_F(SimulatorLink, LinkLeadsToTheRunningTerminalOnly) {
    fs::create_symlink("/dev/pts/does-not-exist", LinkPath());
    auto first = StartSimulator();
    EXPECT_EQ(first->DevicePath(), fs::read_symlink(LinkPath()).string());
    EXPECT_TRUE(first->IsRunning());
    auto second = StartSimulator();
    first->Stop();
    EXPECT_FALSE(first->IsRunning());
    EXPECT_EQ(second->DevicePath(), fs::read_symlink(LinkPath()).string());
    second->Stop();
    second->Stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(LinkPath())));

    std::ofstream(PathIn("COM6")) << "not a device";
    SimulatorConfig config;
    config.linkPath = PathIn("COM6");
    SimulatedReceiver refused(config);
    EXPECT_FALSE(refused.Start());
    EXPECT_FALSE(refused.IsRunning());
    EXPECT_TRUE(fs::is_regular_file(PathIn("COM6")));
}

TEST_F(SimulatorLink, KeepsAnsweringAcrossReopenedPortsAndLogsBothDirections) {
    SimulatorConfig config;
    config.logPath = PathIn("line.log");
    auto receiver = StartSimulator(config);
    const std::string identification = "\r\nKX70RS digital satellite receiver\r\n";
    for (int opening = 0; opening < 3; ++opening) {
        PseudoTerminal pc(LinkPath());
        pc.Send(kWakeUp);
        EXPECT_EQ(BytesOf(identification), pc.Receive(1 << 20, 700)) << opening;
    }
    receiver->Stop();
    std::ifstream log(PathIn("line.log"));
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, text.find(" RX 0a cc 55 ee ff 0a cc")) << text;
    EXPECT_NE(std::string::npos, text.find(" TX 0d 0a 4b 58 37 30 52 53")) << text;
}

TEST(LinePacer, BytesFollowEachOtherAtTenBitTimesAndAnIdleLineStartsAfresh) {
    LinePacer pacer(9600);
    const auto start = SimClock::now();
    const auto after = [](SimClock::time_point from, SimClock::time_point at) {
        return std::chrono::duration_cast<std::chrono::microseconds>(at - from).count();
    };
    EXPECT_NEAR(1042, after(start, pacer.ScheduleByte(start)), 1); // 10 / 9600 s, rounded
    EXPECT_NEAR(2083, after(start, pacer.ScheduleByte(start)), 1);
    const auto later = start + std::chrono::seconds(5);
    EXPECT_NEAR(1042, after(later, pacer.ScheduleByte(later)), 1);
    LinePacer unpaced(0);
    EXPECT_EQ(start, unpaced.ScheduleByte(start));
}

} // namespace
} // namespace vorlane::testing
