#pragma once
// The break-in sender of a forced upload: a worker thread that writes "xxxx" with 1 ms pauses while its flag is
// set, then ten carriage returns, and reports its end (kUmBreakinDone) on the owner's thread, waiting until the
// report was handled.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace vorlane {

class OwnerDispatcher;
class SerialPort;

// The notification number of the sender's end, for owners that route it through their own event loop.
inline constexpr unsigned kUmBreakinDone = 0x0464;

class BreakInSender {
public:
    // Gets the text the sender reports with ("completed"), on the owner's thread.
    using DoneHandler = std::function<void(const std::string& text)>;

    BreakInSender(SerialPort& port, OwnerDispatcher& dispatcher) : m_port(port), m_dispatcher(dispatcher) {}
    // Stops a running sender and waits for its thread; a report it could not hand over is dropped.
    ~BreakInSender();
    BreakInSender(const BreakInSender&) = delete;
    BreakInSender& operator=(const BreakInSender&) = delete;

    // Sets the flag and starts the thread. False when the thread cannot be started (flag cleared).
    [[nodiscard]] bool Start(DoneHandler onDone);
    // Clears the flag: the pattern stops after the current write.
    void Stop() { m_sending = false; }
    // The break-in flag.
    bool IsSending() const { return m_sending; }
    // From the start until the end was reported.
    bool IsRunning() const { return m_running; }

private:
    struct Report;

    void Run(std::shared_ptr<Report> report);
    void ReportDone(const std::shared_ptr<Report>& report);
    // Lets a sender that waits for its report go, and joins it.
    void Retire();

    SerialPort& m_port;
    OwnerDispatcher& m_dispatcher;
    DoneHandler m_onDone;
    std::atomic<bool> m_sending{false};
    bool m_running = false;
    std::thread m_thread;
    std::shared_ptr<Report> m_report;
};

} // namespace vorlane
