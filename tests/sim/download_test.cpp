#include "simulator_fixture.h"

#include "storage/checksum.h"

namespace vorlane::test {
namespace {

const Bytes kDownloadMarker{'\r', '\n', 0xFA, 0xCC};

class SimulatorDownload : public SimulatorTest {
protected:
    // A simulator that holds `file` for a channel download (request byte 0x24).
    std::unique_ptr<SimulatedReceiver> startWithChannelFile(const Bytes& file, SimulatorConfig config = {}) {
        config.behaviour.downloads[static_cast<std::size_t>(DownloadKind::Channel)] = file;
        return startSimulator(std::move(config));
    }
};

TEST_F(SimulatorDownload, SendsSizeAndPacketsAndRepeatsAPacketOnRequest) {
    const Bytes file = patternBytes(1500, 11);
    auto receiver = startWithChannelFile(file);
    PcEnd pc(linkPath());
    const Bytes first = packetOf(ConstByteSpan(file).first(1024));
    const Bytes last = packetOf(ConstByteSpan(file).subspan(1024));

    pc.write({0xCC, 0x55, 0x11, 0x24});
    ASSERT_EQ(kDownloadMarker, pc.read(4));
    EXPECT_TRUE(pc.readFor(100ms).empty()) << "the receiver waits for the PC's go-ahead";
    pc.write({0xFA});
    EXPECT_EQ(join({{0x00, 0x00, 0x05, 0xDC}, first}), pc.read(4 + 1028));
    pc.write({0xFA, 0xFA});
    EXPECT_EQ(last, pc.read(476 + 4));
    pc.write({0xFC, 0xFA});
    EXPECT_EQ(last, pc.read(476 + 4));
    pc.write({0xFA, 0xFA});
    EXPECT_TRUE(pc.readFor(150ms).empty());

    EXPECT_EQ(join({{0xCC, 0x55, 0x11, 0x24, 0xFA, 0xFA, 0xFA, 0xFC, 0xFA, 0xFA, 0xFA}}), receiver->receivedBytes());
    EXPECT_EQ(join({kDownloadMarker, {0x00, 0x00, 0x05, 0xDC}, first, last, last}), receiver->sentBytes());
}

TEST_F(SimulatorDownload, EachKindSendsItsOwnFile) {
    SimulatorConfig config;
    const std::array<Bytes, 3> files{patternBytes(10, 1), patternBytes(20, 2), patternBytes(30, 3)};
    for (std::size_t kind = 0; kind < files.size(); ++kind)
        config.behaviour.downloads[kind] = files[kind];
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    for (std::uint8_t kind = 0; kind < 3; ++kind) {
        pc.write({0xCC, 0x55, 0x11, static_cast<std::uint8_t>(0x23 + kind)});
        ASSERT_EQ(kDownloadMarker, pc.read(4));
        pc.write({0xFA});
        EXPECT_EQ(join({sizeOf(static_cast<std::uint32_t>(files[kind].size())), packetOf(files[kind])}),
                  pc.read(4 + files[kind].size() + 4));
        pc.write({0xFA, 0xFA});
    }
}

TEST_F(SimulatorDownload, KindWithoutAFileGetsNoMarker) {
    auto receiver = startSimulator();
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x11, 0x23});
    const Bytes reply = pc.readFor(200ms);
    EXPECT_FALSE(reply.empty());
    EXPECT_EQ(reply.end(), std::search(reply.begin(), reply.end(), kDownloadMarker.begin() + 2, kDownloadMarker.end()));
}

TEST_F(SimulatorDownload, RefusalEndsTheDownload) {
    auto receiver = startWithChannelFile(patternBytes(3000, 1));
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x11, 0x24});
    ASSERT_EQ(kDownloadMarker, pc.read(4));
    pc.write({0xFA});
    ASSERT_EQ(4u + 1028u, pc.read(4 + 1028).size());
    pc.write({0xFE});
    pc.write({0xFA, 0xFA});
    EXPECT_TRUE(pc.readFor(150ms).empty()) << "no further packet after the refusal";
    pc.write({0xCC, 0x55, 0x11, 0x24});
    EXPECT_EQ(kDownloadMarker, pc.read(4));
}

TEST_F(SimulatorDownload, EmptyFileIsASizeOfZeroWithoutPackets) {
    auto receiver = startWithChannelFile({});
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x11, 0x24});
    ASSERT_EQ(kDownloadMarker, pc.read(4));
    pc.write({0xFA});
    EXPECT_EQ((Bytes{0, 0, 0, 0}), pc.readFor(200ms));
}

TEST_F(SimulatorDownload, SilentAfterPacketFaultSendsNoFurtherPacket) {
    SimulatorConfig config;
    config.behaviour.faults.silentAfterPacket = 1;
    auto receiver = startWithChannelFile(patternBytes(2048, 1), config);
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x11, 0x24});
    ASSERT_EQ(kDownloadMarker, pc.read(4));
    pc.write({0xFA});
    ASSERT_EQ(4u + 1028u, pc.read(4 + 1028).size());
    pc.write({0xFA, 0xFA});
    EXPECT_TRUE(pc.readFor(300ms).empty());
}

} // namespace
} // namespace vorlane::test
