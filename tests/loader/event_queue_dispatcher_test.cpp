#include "loader/event_queue_dispatcher.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace vorlane;
using namespace std::chrono_literals;

TEST(EventQueueDispatcher, RunsTasksOnTheCallingThreadInPostingOrder) {
    EventQueueDispatcher dispatcher;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i)
            dispatcher.Post([&order, &ranOn, i] {
                order.push_back(i);
                ranOn = std::this_thread::get_id();
            });
    });
    poster.join();
    EXPECT_EQ(100u, dispatcher.RunPending());
    ASSERT_EQ(100u, order.size());
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(i, order[i]);
    EXPECT_EQ(std::this_thread::get_id(), ranOn);
    EXPECT_EQ(0u, dispatcher.RunPending(10ms));
}

TEST(EventQueueDispatcher, RunUntilWaitsForTasksAndStopsAtTheTimeOut) {
    EventQueueDispatcher dispatcher;
    int count = 0;
    std::thread poster([&] {
        std::this_thread::sleep_for(50ms);
        dispatcher.Post([&] { ++count; });
        dispatcher.Post([&] { dispatcher.Post([&] { ++count; }); }); // a task may post another
    });
    EXPECT_TRUE(dispatcher.RunUntil([&] { return count == 2; }, 2000ms));
    poster.join();
    EXPECT_FALSE(dispatcher.RunUntil([&] { return count == 3; }, 50ms));
}
