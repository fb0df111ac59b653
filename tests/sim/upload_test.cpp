#include "simulator_fixture.h"

#include <fstream>
#include <iterator>

namespace vorlane::test {
namespace {

const Bytes kUploadMarker{'\r', '\n', 0xCC, 0x55, 0x11, 0x22};
const Bytes kAccepted{0xFA, 0xFA};
const Bytes kAgain{0xFC, 0xFA};

class SimulatorUpload : public SimulatorTest {
protected:
    // Request, marker, go-ahead and size, as the PC does before the first packet.
    void beginUpload(PcEnd& pc, std::uint8_t requestByte, std::uint32_t size) {
        pc.write({0xCC, 0x55, 0x22, requestByte});
        ASSERT_EQ(kUploadMarker, pc.read(6));
        pc.write({0xFA, 0xCC});
        ASSERT_EQ(Bytes{0xFA}, pc.read(1));
        pc.write(sizeOf(size));
    }

    Bytes fileContent(const std::string& name) const {
        std::ifstream file(pathIn(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
};

TEST_F(SimulatorUpload, BlockIsTakenInPacketsAndStoredByteForByte) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    const Bytes block = patternBytes(2500, 3);
    beginUpload(pc, 0x21, 2500);
    for (const std::size_t offset : {0u, 1024u, 2048u}) {
        const std::size_t length = std::min<std::size_t>(1024, block.size() - offset);
        pc.write(packetOf(ConstByteSpan(block).subspan(offset, length)));
        EXPECT_EQ(kAccepted, pc.read(2)) << "packet at " << offset;
    }
    ASSERT_TRUE(receiver->waitForBlocks(1, 2000ms));
    EXPECT_TRUE(pc.readFor(100ms).empty()) << "nothing follows the last acknowledgement";

    const auto blocks = receiver->receivedBlocks();
    ASSERT_EQ(1u, blocks.size());
    EXPECT_EQ(1, blocks[0].transferClass);
    EXPECT_EQ(block, blocks[0].bytes);
    EXPECT_EQ(block, fileContent("block-0.bin"));

    Bytes expectedReceived{0xCC, 0x55, 0x22, 0x21, 0xFA, 0xCC};
    expectedReceived =
        join({expectedReceived, sizeOf(2500), packetOf(ConstByteSpan(block).first(1024)),
              packetOf(ConstByteSpan(block).subspan(1024, 1024)), packetOf(ConstByteSpan(block).subspan(2048))});
    EXPECT_EQ(expectedReceived, receiver->receivedBytes());
    EXPECT_EQ(join({kUploadMarker, {0xFA}, kAccepted, kAccepted, kAccepted}), receiver->sentBytes());
}

TEST_F(SimulatorUpload, PacketWithAWrongSumIsAskedAgainAndNotStored) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    beginUpload(pc, 0x20, 2);
    pc.write({0xFF, 0x01, 0x00, 0x00, 0x00, 0xFF});
    EXPECT_EQ(kAgain, pc.read(2));
    pc.write({0xFF, 0x01, 0x00, 0x00, 0x01, 0x00});
    EXPECT_EQ(kAccepted, pc.read(2));
    ASSERT_TRUE(receiver->waitForBlocks(1, 2000ms));
    EXPECT_EQ((Bytes{0xFF, 0x01}), receiver->receivedBlocks()[0].bytes);
}

TEST_F(SimulatorUpload, BlocksFollowOneAnotherAsSeparateFiles) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    const Bytes first = patternBytes(1024, 9);
    const Bytes second = patternBytes(130, 4);
    beginUpload(pc, 0x20, 1024);
    pc.write(packetOf(first));
    EXPECT_EQ(kAccepted, pc.read(2));
    beginUpload(pc, 0x22, 130);
    pc.write(packetOf(second));
    EXPECT_EQ(kAccepted, pc.read(2));
    ASSERT_TRUE(receiver->waitForBlocks(2, 2000ms));
    EXPECT_EQ(first, fileContent("block-0.bin"));
    EXPECT_EQ(second, fileContent("block-1.bin"));
    EXPECT_EQ(2, receiver->receivedBlocks()[1].transferClass);
}

TEST_F(SimulatorUpload, EmptyBlockComesAsOnePacketOfOnlyItsSum) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    beginUpload(pc, 0x24, 0);
    pc.write({0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(kAccepted, pc.read(2));
    ASSERT_TRUE(receiver->waitForBlocks(1, 2000ms));
    EXPECT_TRUE(receiver->receivedBlocks()[0].bytes.empty());
    EXPECT_EQ(4, receiver->receivedBlocks()[0].transferClass);
}

TEST_F(SimulatorUpload, RequestForAnUnknownClassIsNotAnswered) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x22, 0x31});
    EXPECT_TRUE(pc.readFor(150ms).empty());
}

struct EndingFault {
    const char* name;
    int SimulatorFaults::*packet;
    std::uint8_t answer;
};

void PrintTo(const EndingFault& fault, std::ostream* out) {
    *out << fault.name;
}

class SimulatorUploadEnding : public SimulatorUpload, public ::testing::WithParamInterface<EndingFault> {};

TEST_P(SimulatorUploadEnding, AnswersTheGivenPacketWithOneByteAndDropsTheBlock) {
    SimulatorConfig config;
    config.behaviour.faults.*(GetParam().packet) = 2;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    const Bytes block = patternBytes(3000, 2);
    beginUpload(pc, 0x20, 3000);
    pc.write(packetOf(ConstByteSpan(block).first(1024)));
    EXPECT_EQ(kAccepted, pc.read(2));
    pc.write(packetOf(ConstByteSpan(block).subspan(1024, 1024)));
    EXPECT_EQ(Bytes{GetParam().answer}, pc.read(2, 300ms));
    EXPECT_TRUE(receiver->receivedBlocks().empty());

    // The receiver is back at its commands.
    pc.write({0xCC, 0x55, 0x22, 0x20});
    EXPECT_EQ(kUploadMarker, pc.read(6));
}

INSTANTIATE_TEST_SUITE_P(Faults, SimulatorUploadEnding,
                         ::testing::Values(EndingFault{"Error", &SimulatorFaults::errorAtPacket, 0xFE},
                                           EndingFault{"EarlyEnd", &SimulatorFaults::endAtPacket, 0xF0}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(SimulatorUpload, SilentAfterPacketFaultAnswersNothingUntilRestarted) {
    SimulatorConfig config;
    config.behaviour.faults.silentAfterPacket = 1;
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    const Bytes block = patternBytes(2048, 8);
    beginUpload(pc, 0x20, 2048);
    pc.write(packetOf(ConstByteSpan(block).first(1024)));
    EXPECT_EQ(kAccepted, pc.read(2));
    pc.write(packetOf(ConstByteSpan(block).subspan(1024)));
    EXPECT_TRUE(pc.readFor(300ms).empty());
    sendWakeUp(pc);
    EXPECT_TRUE(pc.readFor(600ms).empty());

    receiver->triggerRestart();
    const Bytes prompt = pc.read(9, 1000ms);
    EXPECT_EQ("\r\n[d-MON]", std::string(prompt.begin(), prompt.end()));
    EXPECT_TRUE(receiver->receivedBlocks().empty());
}

} // namespace
} // namespace vorlane::test
