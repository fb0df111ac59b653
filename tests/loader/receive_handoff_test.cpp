// The hand-over's stop paths, which a real port reaches only when a close meets the watcher at the right moment.

#include "loader/receive_handoff.h"

#include <gtest/gtest.h>

#include <array>
#include <thread>

namespace vorlane::testing {
namespace {

TEST(ReceiveHandoff, StopReleasesAWatcherHeldOffByADirectReadAndDropsWhatIsReadMeanwhile) {
    ReceiveHandoff handoff(16);
    handoff.Start();
    std::uint8_t sentinel = 0;
    std::uint8_t* heldOff = &sentinel;
    {
        DirectReadScope direct(handoff);
        std::thread watcher([&] { heldOff = handoff.BeginWatcherRead(); });
        handoff.Stop();
        watcher.join();
    }
    EXPECT_EQ(nullptr, heldOff);

    handoff.Start();
    ASSERT_NE(nullptr, handoff.BeginWatcherRead());
    handoff.Stop(); // the port closes while the watcher reads
    EXPECT_EQ(0u, handoff.EndWatcherRead(5)) << "no delivery once stopped";
    std::array<std::uint8_t, 16> taken{};
    EXPECT_EQ(0u, handoff.TakeBatch(taken.data()));
}

} // namespace
} // namespace vorlane::testing
