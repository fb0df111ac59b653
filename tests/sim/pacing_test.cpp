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

} // namespace
} // namespace vorlane::testing
