#pragma once
// A plain event queue for an owner thread without a window system event loop.

#include "loader/owner_dispatcher.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

namespace vorlane {

class EventQueueDispatcher final : public OwnerDispatcher {
public:
    void Post(std::function<void()> task) override;

    // Runs the queued tasks on the calling thread, waiting up to maxWait for the first one; tasks queued
    // meanwhile run too. Returns how many ran.
    std::size_t RunPending(std::chrono::milliseconds maxWait = std::chrono::milliseconds(0));

    // Runs tasks as they arrive until done() holds or the time-out has passed; returns done().
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

private:
    bool RunOne(std::chrono::steady_clock::time_point deadline);

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<std::function<void()>> m_tasks;
};

} // namespace vorlane
