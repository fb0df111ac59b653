#include "loader/event_queue_dispatcher.h"

namespace vorlane {

void EventQueueDispatcher::Post(std::function<void()> task) {
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_posted.notify_one();
}

bool EventQueueDispatcher::RunOne(std::chrono::steady_clock::time_point deadline) {
    std::function<void()> task;
    {
        std::unique_lock lock(m_mutex);
        if (!m_posted.wait_until(lock, deadline, [this] { return !m_tasks.empty(); }))
            return false;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
    }
    task(); // outside the lock: a task may post or close the port
    return true;
}

std::size_t EventQueueDispatcher::RunPending(std::chrono::milliseconds maxWait) {
    std::size_t ran = 0;
    auto deadline = std::chrono::steady_clock::now() + maxWait;
    while (RunOne(deadline)) {
        ++ran;
        deadline = std::chrono::steady_clock::now();
    }
    return ran;
}

bool EventQueueDispatcher::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (!RunOne(deadline))
            return done();
    }
    return true;
}

} // namespace vorlane
