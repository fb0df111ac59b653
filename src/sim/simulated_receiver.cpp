#include "sim/simulated_receiver.h"

#include "platform/trace.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vorlane {
namespace {

constexpr std::size_t kReadChunk = 4096;
// How long a hung-up master is left alone before it is polled again.
constexpr std::chrono::milliseconds kHangUpPause{100};
// How long output may wait for the PC to make room before it is dropped (nobody has the port open).
constexpr std::chrono::milliseconds kWriteStall{1000};
// Between the pieces of a cut answer: long enough for the PC to read each piece on its own.
constexpr std::chrono::milliseconds kSplitPause{5};

timespec ToTimespec(SimClock::duration span) {
    const auto nanoseconds = std::max<long long>(0, std::chrono::nanoseconds(span).count());
    return timespec{static_cast<time_t>(nanoseconds / 1'000'000'000), static_cast<long>(nanoseconds % 1'000'000'000)};
}

void DrainEventFd(int fd) {
    std::uint64_t count = 0;
    while (::read(fd, &count, sizeof count) > 0) {
    }
}

} // namespace

SimulatedReceiver::SimulatedReceiver(SimulatorConfig config)
    : m_config(std::move(config)), m_blocks(m_config.storeFolder), m_protocol(m_config.behaviour, *this),
      m_receivePacer(m_config.bitsPerSecond), m_sendPacer(m_config.bitsPerSecond) {}

SimulatedReceiver::~SimulatedReceiver() {
    Stop();
}

bool SimulatedReceiver::Start() {
    if (m_thread.joinable())
        return false;
    if (!m_config.logPath.empty() && !m_transcript.OpenFile(m_config.logPath)) {
        DebugOut("sim: cannot create the log %s\n", m_config.logPath.c_str());
        return false;
    }
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        return false;
    if (!m_link.Open(m_config.linkPath)) {
        ::close(m_wakeFd);
        m_wakeFd = -1;
        return false;
    }
    m_devicePath = m_link.DevicePath();
    m_stopRequested = false;
    m_running = true;
    m_thread = std::thread(&SimulatedReceiver::Run, this);
    return true;
}

void SimulatedReceiver::Stop() {
    m_stopRequested = true;
    if (m_thread.joinable()) {
        Wake();
        m_thread.join();
    }
    m_link.Close();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    m_wakeFd = -1;
    m_running = false;
    m_transcript.Flush();
}

void SimulatedReceiver::TriggerRestart() {
    m_restartRequested = true;
    Wake();
}

void SimulatedReceiver::Wake() {
    if (m_wakeFd < 0)
        return;
    // A counter that cannot take more is already readable, so a failed write still wakes the thread.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
}

void SimulatedReceiver::Run() {
    while (!m_stopRequested && !m_lineClosed) {
        m_transcript.Flush();
        WaitForEvent();
        TakeRequests();
        if (!m_lineClosed)
            m_protocol.OnTime(SimClock::now());
        DeliverHeldOutput();
        m_mode = m_protocol.CurrentMode();
    }
    m_running = false;
}

void SimulatedReceiver::TakeRequests() {
    if (m_restartRequested.exchange(false))
        m_protocol.Restart();
}

void SimulatedReceiver::WaitForEvent() {
    const auto now = SimClock::now();
    if (m_masterQuietUntil && now >= *m_masterQuietUntil)
        m_masterQuietUntil.reset();

    std::optional<SimClock::time_point> deadline = m_protocol.NextDeadline();
    if (m_masterQuietUntil)
        deadline = deadline ? std::min(*deadline, *m_masterQuietUntil) : m_masterQuietUntil;
    timespec timeout{};
    if (deadline)
        timeout = ToTimespec(*deadline - now);

    std::array<pollfd, 2> fds{pollfd{m_wakeFd, POLLIN, 0}, pollfd{m_link.MasterFd(), POLLIN, 0}};
    const nfds_t count = m_masterQuietUntil ? 1 : 2;
    if (::ppoll(fds.data(), count, deadline ? &timeout : nullptr, nullptr) <= 0)
        return;
    if (fds[0].revents & POLLIN)
        DrainEventFd(m_wakeFd);
    if (count < 2)
        return;
    if (fds[1].revents & POLLIN)
        ReadFromLine();
    else if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
        m_masterQuietUntil = SimClock::now() + kHangUpPause;
}

void SimulatedReceiver::ReadFromLine() {
    std::array<std::uint8_t, kReadChunk> buffer{};
    const ssize_t count = ::read(m_link.MasterFd(), buffer.data(), buffer.size());
    if (count <= 0) {
        // EIO: no slave is open. The next poll would report the same at once, so pause instead.
        if (count == 0 || (errno != EAGAIN && errno != EINTR))
            m_masterQuietUntil = SimClock::now() + kHangUpPause;
        return;
    }
    const auto readAt = SimClock::now();
    for (ssize_t i = 0; i < count && !m_lineClosed; ++i) {
        const auto arrival = m_receivePacer.ScheduleByte(readAt);
        if (!WaitUntil(arrival))
            return;
        m_transcript.RecordBytes(LineDirection::Received, ConstByteSpan(&buffer[static_cast<std::size_t>(i)], 1));
        m_protocol.Receive(buffer[static_cast<std::size_t>(i)], arrival);
    }
}

bool SimulatedReceiver::WaitUntil(SimClock::time_point moment) {
    for (;;) {
        if (m_stopRequested)
            return false;
        const auto now = SimClock::now();
        if (now >= moment)
            return true;
        const timespec timeout = ToTimespec(moment - now);
        pollfd wakeUp{m_wakeFd, POLLIN, 0};
        if (::ppoll(&wakeUp, 1, &timeout, nullptr) > 0)
            DrainEventFd(m_wakeFd); // a restart request stays flagged for the main loop
    }
}

void SimulatedReceiver::Send(ConstByteSpan bytes) {
    m_transcript.RecordBytes(LineDirection::Sent, bytes);
    if (m_config.mergeOutput)
        m_heldOutput.insert(m_heldOutput.end(), bytes.begin(), bytes.end());
    else
        Deliver(bytes);
}

void SimulatedReceiver::DeliverHeldOutput() {
    if (m_heldOutput.empty())
        return;
    const std::vector<std::uint8_t> held = std::move(m_heldOutput);
    m_heldOutput.clear();
    Deliver(held);
}

void SimulatedReceiver::Deliver(ConstByteSpan bytes) {
    if (!m_link.IsOpen())
        return;
    if (m_config.splitOutputBytes > 0 && bytes.size() > m_config.splitOutputBytes) {
        for (std::size_t done = 0; done < bytes.size(); done += m_config.splitOutputBytes) {
            if (done > 0 && !WaitUntil(SimClock::now() + kSplitPause))
                return;
            WriteNow(bytes.subspan(done, std::min(m_config.splitOutputBytes, bytes.size() - done)));
        }
        return;
    }
    if (!m_sendPacer.Paced()) {
        WriteNow(bytes);
        return;
    }
    // Each byte reaches the PC once it has fully crossed the emulated line; whatever is due goes in one write.
    std::vector<SimClock::time_point> due(bytes.size());
    const auto start = SimClock::now();
    for (auto& moment : due)
        moment = m_sendPacer.ScheduleByte(start);
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (!WaitUntil(due[done]))
            return;
        const auto now = SimClock::now();
        std::size_t end = done;
        while (end < bytes.size() && due[end] <= now)
            ++end;
        WriteNow(bytes.subspan(done, end - done));
        done = end;
    }
}

void SimulatedReceiver::WriteNow(ConstByteSpan bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(m_link.MasterFd(), bytes.data() + written, bytes.size() - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN && WaitWritable())
            continue;
        DebugOut("sim: %zu bytes not delivered\n", bytes.size() - written);
        return;
    }
}

bool SimulatedReceiver::WaitWritable() {
    const timespec timeout = ToTimespec(kWriteStall);
    std::array<pollfd, 2> fds{pollfd{m_link.MasterFd(), POLLOUT, 0}, pollfd{m_wakeFd, POLLIN, 0}};
    if (::ppoll(fds.data(), fds.size(), &timeout, nullptr) <= 0)
        return false;
    if (fds[1].revents & POLLIN)
        DrainEventFd(m_wakeFd);
    return !m_stopRequested && (fds[0].revents & POLLOUT);
}

void SimulatedReceiver::StoreBlock(int transferClass, ConstByteSpan bytes) {
    m_blocks.Add(transferClass, bytes);
}

void SimulatedReceiver::CloseLine() {
    DeliverHeldOutput();
    m_lineClosed = true;
    m_link.WaitUntilRead(kWriteStall);
    m_link.Close();
}

} // namespace vorlane
