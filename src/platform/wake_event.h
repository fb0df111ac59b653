#pragma once
// A file descriptor that becomes readable when signalled, so one poll() can wait for a device and a stop
// request together. Stays signalled until reset.

namespace vorlane {

class WakeEvent {
public:
    WakeEvent() = default;
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    [[nodiscard]] bool Create();
    void Signal();
    void Reset();
    int Fd() const { return m_fd; }

private:
    int m_fd = -1;
};

} // namespace vorlane
