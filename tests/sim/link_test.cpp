#include "simulator_fixture.h"

#include <fstream>
#include <iterator>
#include <thread>
#include <unistd.h>

namespace vorlane::test {
namespace {

namespace fs = std::filesystem;

class SimulatorLink : public SimulatorTest {};

Bytes identificationAfterWakeUp(PcEnd& pc) {
    sendWakeUp(pc);
    return pc.readFor(700ms);
}

bool containsIdentification(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end()).find("KX70RS") != std::string::npos;
}

TEST_F(SimulatorLink, LinkLeadsToTheTerminalAndIsRemovedOnStop) {
    auto receiver = startSimulator();
    ASSERT_TRUE(fs::is_symlink(linkPath()));
    EXPECT_EQ(receiver->devicePath(), fs::read_symlink(linkPath()).string());
    EXPECT_TRUE(receiver->isRunning());

    receiver->stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(linkPath())));
    EXPECT_FALSE(receiver->isRunning());
    receiver->stop();
}

TEST_F(SimulatorLink, StaleLinkIsReplacedButAFileIsNot) {
    fs::create_symlink("/dev/pts/does-not-exist", linkPath());
    auto receiver = startSimulator();
    EXPECT_EQ(receiver->devicePath(), fs::read_symlink(linkPath()).string());
    receiver->stop();

    std::ofstream(pathIn("COM6")) << "not a device";
    SimulatorConfig config;
    config.linkPath = pathIn("COM6");
    SimulatedReceiver refused(config);
    EXPECT_EQ(0, refused.start());
    EXPECT_FALSE(refused.isRunning());
    EXPECT_TRUE(fs::is_regular_file(pathIn("COM6")));
}

TEST_F(SimulatorLink, StoppingDoesNotRemoveALinkThatAnotherSimulatorTookOver) {
    auto first = startSimulator();
    auto second = startSimulator();
    EXPECT_EQ(second->devicePath(), fs::read_symlink(linkPath()).string());
    first->stop();
    ASSERT_TRUE(fs::is_symlink(linkPath()));
    EXPECT_EQ(second->devicePath(), fs::read_symlink(linkPath()).string());
}

TEST_F(SimulatorLink, IdentifiesItselfOnceAfterTheWakeUpAndKeepsAnsweringAcrossReopenedPorts) {
    auto receiver = startSimulator();
    for (int opening = 0; opening < 3; ++opening) {
        PcEnd pc(linkPath());
        ASSERT_TRUE(pc.isOpen());
        const Bytes reply = identificationAfterWakeUp(pc);
        const std::string text(reply.begin(), reply.end());
        EXPECT_EQ(0u, text.find("\r\n"));
        EXPECT_NE(std::string::npos, text.find("KX70RS"));
        EXPECT_EQ(text.find("KX70RS"), text.rfind("KX70RS")) << "one identification per wake-up sequence";
    }
    EXPECT_TRUE(receiver->isRunning());
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

TEST_F(SimulatorLink, WithoutIdentificationFaultAnswersOtherText) {
    SimulatorConfig config;
    config.behaviour.faults.withoutIdentification = true;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    const Bytes reply = identificationAfterWakeUp(pc);
    EXPECT_FALSE(reply.empty());
    EXPECT_FALSE(containsIdentification(reply));
}

TEST_F(SimulatorLink, CloseAfterPacketFaultHangsUpTheLineAndRemovesTheLink) {
    SimulatorConfig config;
    config.behaviour.faults.closeAfterPacket = 1;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x22, 0x20});
    ASSERT_EQ(6u, pc.read(6).size());
    pc.write({0xFA, 0xCC});
    ASSERT_EQ(Bytes{0xFA}, pc.read(1));
    const Bytes data = patternBytes(2048, 1);
    pc.write(join({sizeOf(2048), packetOf(ConstByteSpan(data).first(1024))}));
    EXPECT_EQ((Bytes{0xFA, 0xFA}), pc.read(2));
    EXPECT_TRUE(pc.waitForHangUp(2000ms));
    EXPECT_FALSE(fs::exists(fs::symlink_status(linkPath())));
    for (int i = 0; i < 100 && receiver->isRunning(); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(receiver->isRunning());
}

TEST_F(SimulatorLink, LogFileHoldsEveryByteInBothDirections) {
    SimulatorConfig config;
    config.logPath = pathIn("line.log");
    auto receiver = startSimulator(config);
    {
        PcEnd pc(linkPath());
        pc.write({0xCC, 0x55, 0x22, 0x26});
        ASSERT_EQ(6u, pc.read(6).size());
    }
    receiver->stop();
    std::ifstream log(pathIn("line.log"));
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, text.find(" RX cc 55 22 26\n"));
    EXPECT_NE(std::string::npos, text.find(" TX 0d 0a cc 55 11 22\n"));
}

} // namespace
} // namespace vorlane::test
