#include "loader/receive_handoff.h"

#include <algorithm>
#include <cstring>

namespace vorlane {

ReceiveHandoff::ReceiveHandoff(std::size_t capacity) : m_buffer(capacity) {}

std::uint64_t ReceiveHandoff::Start() {
    std::lock_guard lock(m_mutex);
    m_stopped = false;
    m_pending = false;
    m_watcherReading = false;
    m_directReading = false;
    return ++m_session;
}

void ReceiveHandoff::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_pending = false;
    }
    m_changed.notify_all();
}

bool ReceiveHandoff::IsCurrentSession(std::uint64_t session) const {
    std::lock_guard lock(m_mutex);
    return !m_stopped && m_session == session;
}

std::uint8_t* ReceiveHandoff::BeginWatcherRead() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopped || !m_directReading; });
    if (m_stopped)
        return nullptr;
    m_watcherReading = true;
    return m_buffer.data();
}

std::uint64_t ReceiveHandoff::EndWatcherRead(std::size_t count) {
    std::uint64_t delivery = 0;
    {
        std::lock_guard lock(m_mutex);
        m_watcherReading = false;
        if (count > 0 && !m_stopped) {
            m_batchStart = 0;
            m_batchCount = count;
            m_pending = true;
            delivery = ++m_delivery;
        }
    }
    m_changed.notify_all(); // a direct read may wait for the watcher to finish reading
    return delivery;
}

bool ReceiveHandoff::WaitUntilTaken(std::uint64_t delivery) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_stopped || !m_pending || m_delivery != delivery; });
    return !m_stopped;
}

bool ReceiveHandoff::IsPending(std::uint64_t delivery) const {
    std::lock_guard lock(m_mutex);
    return m_pending && m_delivery == delivery;
}

void ReceiveHandoff::MarkTaken() {
    m_pending = false;
    m_changed.notify_all();
}

void ReceiveHandoff::Finish(std::uint64_t delivery) {
    std::lock_guard lock(m_mutex);
    if (m_pending && m_delivery == delivery)
        MarkTaken();
}

std::size_t ReceiveHandoff::TakeBatch(std::uint8_t* destination) {
    std::lock_guard lock(m_mutex);
    if (!m_pending)
        return 0;
    const std::size_t count = m_batchCount;
    std::memcpy(destination, m_buffer.data() + m_batchStart, count);
    MarkTaken();
    return count;
}

void ReceiveHandoff::BeginDirectRead() {
    std::unique_lock lock(m_mutex);
    m_directReading = true;
    m_changed.wait(lock, [this] { return !m_watcherReading; });
}

std::size_t ReceiveHandoff::TakeFromBatch(std::uint8_t* destination, std::size_t capacity) {
    std::lock_guard lock(m_mutex);
    if (!m_pending)
        return 0;
    const std::size_t count = std::min(capacity, m_batchCount);
    std::memcpy(destination, m_buffer.data() + m_batchStart, count);
    m_batchStart += count;
    m_batchCount -= count;
    if (m_batchCount == 0)
        MarkTaken();
    return count;
}

void ReceiveHandoff::EndDirectRead() {
    {
        std::lock_guard lock(m_mutex);
        m_directReading = false;
    }
    m_changed.notify_all();
}

} // namespace vorlane
