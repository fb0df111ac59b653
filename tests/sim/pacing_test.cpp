#include "simulator_fixture.h"

#include "sim/line_pacer.h"

namespace vorlane::testing {
namespace {

TEST(LinePacer, BytesFollowEachOtherAtTenBitTimesAndAnIdleLineStartsAfresh) {
    LinePacer pacer(9600);
    const auto start = SimClock::now();
    const auto after = [](SimClock::time_point from, SimClock::time_point at) {
        return std::chrono::duration_cast<std::chrono::microseconds>(at - from).count();
    };
    EXPECT_NEAR(1042, after(start, pacer.scheduleByte(start)), 1); // 10 / 9600 s, rounded
    EXPECT_NEAR(2083, after(start, pacer.scheduleByte(start)), 1);
    const auto later = start + std::chrono::seconds(5);
    EXPECT_NEAR(1042, after(later, pacer.scheduleByte(later)), 1);
    LinePacer unpaced(0);
    EXPECT_EQ(start, unpaced.scheduleByte(start));
}

class SimulatorPacing : public SimulatorTest {};

// The size and a full packet after the PC's one-byte go-ahead take at least as long as the line needs for them.
TEST_F(SimulatorPacing, DownloadPacketTakesTheLineTime) {
    SimulatorConfig config;
    config.bitsPerSecond = 19200;
    config.behaviour.downloads[0] = patternBytes(1024, 3);
    auto receiver = startSimulator(config);
    PcEnd pc(linkPath());
    pc.write({0xCC, 0x55, 0x11, 0x23});
    ASSERT_EQ(4u, pc.read(4).size());

    const auto start = std::chrono::steady_clock::now();
    pc.write({0xFA});
    ASSERT_EQ(4u + 1028u, pc.read(4 + 1028, 3000ms).size());
    const double lineSeconds = (1.0 + 4 + 1028) * LinePacer::kBitsPerByte / 19200;
    EXPECT_GE(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), lineSeconds * 0.95);
}

} // namespace
} // namespace vorlane::testing
