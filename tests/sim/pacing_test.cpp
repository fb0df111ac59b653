#include "simulator_fixture.h"

#include "sim/line_pacer.h"

namespace vorlane::test {
namespace {

constexpr unsigned kBitsPerSecond = 19200;

double lineSeconds(std::size_t bytes) {
    return static_cast<double>(bytes) * LinePacer::kBitsPerByte / kBitsPerSecond;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(LinePacer, BytesFollowEachOtherAtTenBitTimesAndAnIdleLineStartsAfresh) {
    LinePacer pacer(9600);
    const auto start = SimClock::now();
    const auto byteTime = std::chrono::microseconds(1042); // 10 / 9600 s, rounded
    EXPECT_NEAR(1042, std::chrono::duration_cast<std::chrono::microseconds>(pacer.scheduleByte(start) - start).count(),
                1);
    const auto second = pacer.scheduleByte(start);
    EXPECT_NEAR(2083, std::chrono::duration_cast<std::chrono::microseconds>(second - start).count(), 1);
    const auto later = start + std::chrono::seconds(5);
    EXPECT_NEAR(byteTime.count(),
                std::chrono::duration_cast<std::chrono::microseconds>(pacer.scheduleByte(later) - later).count(), 1);

    LinePacer unpaced(0);
    EXPECT_EQ(start, unpaced.scheduleByte(start));
}

class SimulatorPacing : public SimulatorTest {
protected:
    SimulatorConfig pacedConfig() {
        SimulatorConfig config;
        config.bitsPerSecond = kBitsPerSecond;
        return config;
    }
};

// Output: the size and a full packet after the PC's one-byte go-ahead take as long as the line needs for them.
TEST_F(SimulatorPacing, DownloadPacketTakesTheLineTime) {
    SimulatorConfig config = pacedConfig();
    config.behaviour.downloads[0] = patternBytes(1024, 3);
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x11, 0x23});
    ASSERT_EQ(4u, pc.read(4).size());

    const auto start = std::chrono::steady_clock::now();
    pc.write({0xFA});
    ASSERT_EQ(4u + 1028u, pc.read(4 + 1028, 3000ms).size());
    const double expected = lineSeconds(1 + 4 + 1028);
    EXPECT_NEAR(expected, secondsSince(start), expected * 0.05);
}

// Input: a packet written at once is taken at line speed, so its acknowledgement comes a line time later.
TEST_F(SimulatorPacing, UploadPacketIsReadAtLineSpeed) {
    auto receiver = startSimulator(pacedConfig());
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x22, 0x20});
    ASSERT_EQ(6u, pc.read(6).size());
    pc.write({0xFA, 0xCC});
    ASSERT_EQ(1u, pc.read(1).size());

    const Bytes packet = join({sizeOf(1024), packetOf(patternBytes(1024, 2))});
    const auto start = std::chrono::steady_clock::now();
    pc.write(packet);
    ASSERT_EQ((Bytes{0xFA, 0xFA}), pc.read(2, 3000ms));
    const double expected = lineSeconds(packet.size() + 2);
    EXPECT_NEAR(expected, secondsSince(start), expected * 0.05);
}

} // namespace
} // namespace vorlane::test
