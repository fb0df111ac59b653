#include "simulator_fixture.h"

#include <thread>

namespace vorlane::test {
namespace {

const Bytes kUploadMarker{'\r', '\n', 0xCC, 0x55, 0x11, 0x22};
const std::string kPromptStart = "\r\n[d-MON]";

class BootMonitor : public SimulatorTest {
protected:
    // The prompt must be the PC's current line when its delivery ends: it starts a line and nothing ends it.
    void expectPrompt(PcEnd& pc, std::chrono::milliseconds timeout = 1000ms) {
        const Bytes start = pc.read(kPromptStart.size(), timeout);
        ASSERT_EQ(kPromptStart, std::string(start.begin(), start.end()));
        const Bytes rest = pc.readFor(100ms);
        EXPECT_EQ(rest.end(),
                  std::find_if(rest.begin(), rest.end(), [](std::uint8_t b) { return b == '\r' || b == '\n'; }));
    }

    void uploadOnePacket(PcEnd& pc, const Bytes& block) {
        ASSERT_EQ(kUploadMarker, pc.read(6));
        pc.write({0xFA, 0xCC});
        ASSERT_EQ(Bytes{0xFA}, pc.read(1));
        pc.write(join({sizeOf(static_cast<std::uint32_t>(block.size())), packetOf(block)}));
        ASSERT_EQ((Bytes{0xFA, 0xFA}), pc.read(2));
    }

    void sendBreakIn(PcEnd& pc, int groups) {
        for (int i = 0; i < groups; ++i) {
            pc.write("xxxx");
            std::this_thread::sleep_for(1ms);
        }
    }
};

TEST_F(BootMonitor, ForcedUploadOfTwoBlocksThenReset) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    sendBreakIn(pc, 20);
    receiver->triggerRestart();
    expectPrompt(pc);
    EXPECT_EQ(ReceiverProtocol::Mode::BootMonitor, receiver->mode());

    sendBreakIn(pc, 5);
    pc.write("\r\r\r\r\r\r\r\r\r\r");
    EXPECT_TRUE(pc.readFor(100ms).empty()) << "carriage returns alone are not answered";
    pc.write("q\r");
    const Bytes first = patternBytes(700, 1);
    uploadOnePacket(pc, first);

    pc.write("\r\r\r\rq\r");
    const Bytes second = patternBytes(300, 2);
    uploadOnePacket(pc, second);

    pc.write("\r\rreset\r");
    expectPrompt(pc);

    ASSERT_TRUE(receiver->waitForBlocks(2, 1000ms));
    const auto blocks = receiver->receivedBlocks();
    EXPECT_EQ(first, blocks[0].bytes);
    EXPECT_EQ(second, blocks[1].bytes);
    EXPECT_EQ(kMonitorUpload, blocks[0].transferClass);
}

TEST_F(BootMonitor, RunningSoftwareIgnoresMonitorCommands) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    pc.write("\r\r\r\r\r\r\r\r\r\rq\r\r\rreset\r");
    EXPECT_TRUE(pc.readFor(200ms).empty());
    EXPECT_EQ(ReceiverProtocol::Mode::RunningSoftware, receiver->mode());
}

TEST_F(BootMonitor, RestartsTheGivenTimeAfterTheBreakInIsFirstSeen) {
    SimulatorConfig config;
    config.behaviour.restartAfterBreakIn = 300ms;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    const auto firstPattern = std::chrono::steady_clock::now();
    sendBreakIn(pc, 1);
    // The PC keeps sending its pattern until it sees the prompt.
    std::thread sender([&] { sendBreakIn(pc, 100); });
    const Bytes start = pc.read(kPromptStart.size(), 2000ms);
    const auto elapsed = std::chrono::steady_clock::now() - firstPattern;
    sender.join();
    EXPECT_EQ(kPromptStart, std::string(start.begin(), start.end()));
    EXPECT_GE(elapsed, 300ms);
    EXPECT_LT(elapsed, 600ms);
}

TEST_F(BootMonitor, PatternInsidePacketDataIsNoBreakIn) {
    SimulatorConfig config;
    config.behaviour.restartAfterBreakIn = 50ms;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    const Bytes block(600, 'x');
    pc.write({0xCC, 0x55, 0x22, 0x20});
    uploadOnePacket(pc, block);
    EXPECT_TRUE(pc.readFor(200ms).empty());
    EXPECT_EQ(ReceiverProtocol::Mode::RunningSoftware, receiver->mode());
}

TEST_F(BootMonitor, BreakInRestartsAReceiverThatHangsInATransfer) {
    SimulatorConfig config;
    config.behaviour.restartAfterBreakIn = 50ms;
    config.behaviour.faults.silentAfterPacket = 1;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    const Bytes block = patternBytes(2000, 1);
    pc.write({0xCC, 0x55, 0x22, 0x20});
    ASSERT_EQ(kUploadMarker, pc.read(6));
    pc.write({0xFA, 0xCC});
    ASSERT_EQ(Bytes{0xFA}, pc.read(1));
    pc.write(join({sizeOf(2000), packetOf(ConstByteSpan(block).first(1024))}));
    ASSERT_EQ((Bytes{0xFA, 0xFA}), pc.read(2));
    sendBreakIn(pc, 3);
    expectPrompt(pc);
}

TEST_F(BootMonitor, WithoutRestartOptionTheBreakInChangesNothing) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    sendBreakIn(pc, 50);
    EXPECT_TRUE(pc.readFor(300ms).empty());
}

TEST_F(BootMonitor, MonitorStillAnswersTheWakeUpAndRequests) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    receiver->triggerRestart();
    expectPrompt(pc);
    pc.write({0xCC, 0x55, 0x22, 0x21});
    EXPECT_EQ(kUploadMarker, pc.read(6));
}

} // namespace
} // namespace vorlane::test
