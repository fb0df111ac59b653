#pragma once
// The hand-over of received batches between a port's watcher thread and its owner's thread.
//
// The watcher reads into the buffer only while no batch is pending and no direct read runs; it then
// publishes the batch and waits until the owner has taken it. The owner takes it in its delivery
// (GetReceived), or a direct read on the owner's thread takes it first so that no byte is passed over
// or reordered. Stopping drops a pending batch and releases the watcher. Delivery and session numbers
// let tasks that were queued before a stop, or before a later reopen, recognise that they are stale.
// Shared with those queued tasks, so it may outlive its port.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace vorlane {

class ReceiveHandoff {
public:
    explicit ReceiveHandoff(std::size_t capacity);

    // Begins a watch session and returns its number.
    std::uint64_t Start();
    // Ends the session: drops a pending batch and releases a waiting watcher.
    void Stop();
    bool IsCurrentSession(std::uint64_t session) const;

    // Watcher: the buffer to read into (capacity bytes), once no direct read runs; null once stopped.
    std::uint8_t* BeginWatcherRead();
    // Watcher: publishes the count bytes read (none is fine); returns the delivery number, 0 for none.
    std::uint64_t EndWatcherRead(std::size_t count);
    // Watcher: waits until the delivery was taken; false when the session was stopped meanwhile.
    bool WaitUntilTaken(std::uint64_t delivery);

    // Owner: whether the delivery is still waiting to be taken.
    bool IsPending(std::uint64_t delivery) const;
    // Owner: marks the delivery taken (or dropped) if it still waits.
    void Finish(std::uint64_t delivery);
    // Owner: copies the pending batch out and marks it taken; 0 when none waits.
    std::size_t TakeBatch(std::uint8_t* destination);

    // Owner: holds the watcher off the device while the owner reads it itself.
    void BeginDirectRead();
    // Owner, during a direct read: takes up to capacity bytes of a pending batch, in order.
    std::size_t TakeFromBatch(std::uint8_t* destination, std::size_t capacity);
    void EndDirectRead();

private:
    void MarkTaken(); // with the mutex held

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_batchStart = 0;
    std::size_t m_batchCount = 0;
    std::uint64_t m_delivery = 0;
    std::uint64_t m_session = 0;
    bool m_pending = false;
    bool m_stopped = true;
    bool m_watcherReading = false;
    bool m_directReading = false;
};

// Holds a direct read for its lifetime.
class DirectReadScope {
public:
    explicit DirectReadScope(ReceiveHandoff& handoff) : m_handoff(handoff) { m_handoff.BeginDirectRead(); }
    ~DirectReadScope() { m_handoff.EndDirectRead(); }
    DirectReadScope(const DirectReadScope&) = delete;
    DirectReadScope& operator=(const DirectReadScope&) = delete;

private:
    ReceiveHandoff& m_handoff;
};

} // namespace vorlane
