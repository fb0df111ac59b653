#include "simulator_fixture.h"

#include <fstream>
#include <iterator>

namespace vorlane::testing {
namespace {

namespace fs = std::filesystem;

class SimulatorLink : public SimulatorTest {};

// The link names the running simulator's terminal: a stale link is replaced, a file is not, and a simulator only
// removes its own link.
TEST_F(SimulatorLink, LinkLeadsToTheRunningTerminalOnly) {
    fs::create_symlink("/dev/pts/does-not-exist", linkPath());
    auto first = startSimulator();
    EXPECT_EQ(first->devicePath(), fs::read_symlink(linkPath()).string());
    EXPECT_TRUE(first->isRunning());
    auto second = startSimulator();
    first->stop();
    EXPECT_FALSE(first->isRunning());
    EXPECT_EQ(second->devicePath(), fs::read_symlink(linkPath()).string());
    second->stop();
    second->stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(linkPath())));

    std::ofstream(pathIn("COM6")) << "not a device";
    SimulatorConfig config;
    config.linkPath = pathIn("COM6");
    SimulatedReceiver refused(config);
    EXPECT_EQ(0, refused.start());
    EXPECT_FALSE(refused.isRunning());
    EXPECT_TRUE(fs::is_regular_file(pathIn("COM6")));
}

TEST_F(SimulatorLink, KeepsAnsweringAcrossReopenedPortsAndLogsBothDirections) {
    SimulatorConfig config;
    config.logPath = pathIn("line.log");
    auto receiver = startSimulator(config);
    const std::string identification = "\r\nKX70RS digital satellite receiver\r\n";
    for (int opening = 0; opening < 3; ++opening) {
        PcEnd pc(linkPath());
        sendWakeUp(pc);
        EXPECT_EQ(bytesOf(identification), pc.readFor(700ms)) << opening;
    }
    receiver->stop();
    std::ifstream log(pathIn("line.log"));
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, text.find(" RX 0a cc 55 ee ff\n")) << text;
    EXPECT_NE(std::string::npos, text.find(" TX 0d 0a 4b 58 37 30 52 53")) << text;
}

TEST_F(SimulatorLink, IdentificationFollowsTheWakeUpAfterTheQuietTime) {
    SimulatorConfig config;
    config.behaviour.identificationDelay = 300ms;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    sendWakeUp(pc);
    const auto lastFrame = std::chrono::steady_clock::now();
    const Bytes first = pc.read(1, 1000ms);
    const auto elapsed = std::chrono::steady_clock::now() - lastFrame;
    ASSERT_EQ(1u, first.size());
    EXPECT_GE(elapsed, 250ms);
    EXPECT_LT(elapsed, 500ms) << "the port search reads for 500 ms after its wake-up";
}

} // namespace
} // namespace vorlane::testing
