#include "loader/break_in_sender.h"

#include "loader/owner_dispatcher.h"
#include "loader/serial_port.h"
#include "platform/clock.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <system_error>

namespace vorlane {
namespace {

constexpr std::array<std::uint8_t, 4> kPattern = {'x', 'x', 'x', 'x'};
constexpr std::uint32_t kPauseAfterPatternMs = 1;
constexpr std::uint32_t kPauseBeforeReturnsMs = 100;
constexpr int kCarriageReturns = 10;
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint32_t kPauseAfterByteMs = 1;
constexpr char kDoneText[] = "completed";

} // namespace

// The hand-over of the sender's end: the sender waits until the owner handled it, or until the owner retired
// the sender (then the queued report does nothing).
struct BreakInSender::Report {
    std::mutex mutex;
    std::condition_variable changed;
    bool handled = false;
    bool retired = false;
};

BreakInSender::~BreakInSender() {
    Stop();
    Retire();
}

bool BreakInSender::Start(DoneHandler onDone) {
    Retire();
    m_onDone = std::move(onDone);
    m_report = std::make_shared<Report>();
    m_sending = true;
    try {
        m_thread = std::thread(&BreakInSender::Run, this, m_report);
    } catch (const std::system_error&) {
        m_sending = false;
        return false;
    }
    m_running = true;
    return true;
}

void BreakInSender::Retire() {
    m_sending = false;
    if (m_report) {
        std::lock_guard lock(m_report->mutex);
        m_report->retired = true;
    }
    if (m_report)
        m_report->changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
}

// Writes go straight to the port's write path, which refuses them once the port is closed.
void BreakInSender::Run(std::shared_ptr<Report> report) {
    while (m_sending) {
        m_port.Write(kPattern.data(), kPattern.size());
        SleepMs(kPauseAfterPatternMs);
    }
    SleepMs(kPauseBeforeReturnsMs);
    for (int i = 0; i < kCarriageReturns; ++i) {
        m_port.Write(&kCarriageReturn, 1);
        SleepMs(kPauseAfterByteMs);
    }
    ReportDone(report);
}

void BreakInSender::ReportDone(const std::shared_ptr<Report>& report) {
    m_dispatcher.Post([this, report] {
        {
            std::lock_guard lock(report->mutex);
            if (report->retired)
                return;
        }
        m_running = false;
        m_onDone(kDoneText);
        {
            std::lock_guard lock(report->mutex);
            report->handled = true;
        }
        report->changed.notify_all();
    });
    std::unique_lock lock(report->mutex);
    report->changed.wait(lock, [&report] { return report->handled || report->retired; });
}

} // namespace vorlane
