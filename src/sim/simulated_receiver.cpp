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

timespec toTimespec(SimClock::duration span) {
    const auto nanoseconds = std::max<long long>(0, std::chrono::nanoseconds(span).count());
    return timespec{static_cast<time_t>(nanoseconds / 1'000'000'000), static_cast<long>(nanoseconds % 1'000'000'000)};
}

void drainEventFd(int fd) {
    std::uint64_t count = 0;
    while (::read(fd, &count, sizeof count) > 0) {
    }
}

} // namespace

SimulatedReceiver::SimulatedReceiver(SimulatorConfig config)
    : m_config(std::move(config)), m_blocks(m_config.storeFolder), m_protocol(m_config.behaviour, *this),
      m_receivePacer(m_config.bitsPerSecond), m_sendPacer(m_config.bitsPerSecond) {}

SimulatedReceiver::~SimulatedReceiver() {
    stop();
}

int SimulatedReceiver::start() {
    if (m_thread.joinable())
        return 0;
    if (!m_config.logPath.empty() && !m_transcript.openFile(m_config.logPath)) {
        DebugOut("sim: cannot create the log %s\n", m_config.logPath.c_str());
        return 0;
    }
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        return 0;
    if (!m_link.open(m_config.linkPath)) {
        ::close(m_wakeFd);
        m_wakeFd = -1;
        return 0;
    }
    m_devicePath = m_link.devicePath();
    m_stopRequested = false;
    m_running = true;
    m_thread = std::thread(&SimulatedReceiver::run, this);
    return 1;
}

void SimulatedReceiver::stop() {
    m_stopRequested = true;
    if (m_thread.joinable()) {
        wake();
        m_thread.join();
    }
    m_link.close();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    m_wakeFd = -1;
    m_running = false;
    m_transcript.flush();
}

void SimulatedReceiver::triggerRestart() {
    m_restartRequested = true;
    wake();
}

void SimulatedReceiver::wake() {
    if (m_wakeFd < 0)
        return;
    // A counter that cannot take more is already readable, so a failed write still wakes the thread.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
}

void SimulatedReceiver::run() {
    while (!m_stopRequested && !m_lineClosed) {
        m_transcript.flush();
        waitForEvent();
        takeRequests();
        if (!m_lineClosed)
            m_protocol.onTime(SimClock::now());
        deliverHeldOutput();
        m_mode = m_protocol.mode();
    }
    m_running = false;
}

void SimulatedReceiver::takeRequests() {
    if (m_restartRequested.exchange(false))
        m_protocol.restart();
}

void SimulatedReceiver::waitForEvent() {
    const auto now = SimClock::now();
    if (m_masterQuietUntil && now >= *m_masterQuietUntil)
        m_masterQuietUntil.reset();

    std::optional<SimClock::time_point> deadline = m_protocol.nextDeadline();
    if (m_masterQuietUntil)
        deadline = deadline ? std::min(*deadline, *m_masterQuietUntil) : m_masterQuietUntil;
    timespec timeout{};
    if (deadline)
        timeout = toTimespec(*deadline - now);

    std::array<pollfd, 2> fds{pollfd{m_wakeFd, POLLIN, 0}, pollfd{m_link.masterFd(), POLLIN, 0}};
    const nfds_t count = m_masterQuietUntil ? 1 : 2;
    if (::ppoll(fds.data(), count, deadline ? &timeout : nullptr, nullptr) <= 0)
        return;
    if (fds[0].revents & POLLIN)
        drainEventFd(m_wakeFd);
    if (count < 2)
        return;
    if (fds[1].revents & POLLIN)
        readFromLine();
    else if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
        m_masterQuietUntil = SimClock::now() + kHangUpPause;
}

void SimulatedReceiver::readFromLine() {
    std::array<std::uint8_t, kReadChunk> buffer{};
    const ssize_t count = ::read(m_link.masterFd(), buffer.data(), buffer.size());
    if (count <= 0) {
        // EIO: no slave is open. The next poll would report the same at once, so pause instead.
        if (count == 0 || (errno != EAGAIN && errno != EINTR))
            m_masterQuietUntil = SimClock::now() + kHangUpPause;
        return;
    }
    const auto readAt = SimClock::now();
    for (ssize_t i = 0; i < count && !m_lineClosed; ++i) {
        const auto arrival = m_receivePacer.scheduleByte(readAt);
        if (!waitUntil(arrival))
            return;
        m_transcript.record(LineDirection::Received, ConstByteSpan(&buffer[static_cast<std::size_t>(i)], 1));
        m_protocol.receive(buffer[static_cast<std::size_t>(i)], arrival);
    }
}

bool SimulatedReceiver::waitUntil(SimClock::time_point moment) {
    for (;;) {
        if (m_stopRequested)
            return false;
        const auto now = SimClock::now();
        if (now >= moment)
            return true;
        const timespec timeout = toTimespec(moment - now);
        pollfd wakeUp{m_wakeFd, POLLIN, 0};
        if (::ppoll(&wakeUp, 1, &timeout, nullptr) > 0)
            drainEventFd(m_wakeFd); // a restart request stays flagged for the main loop
    }
}

void SimulatedReceiver::send(ConstByteSpan bytes) {
    m_transcript.record(LineDirection::Sent, bytes);
    if (m_config.mergeOutput)
        m_heldOutput.insert(m_heldOutput.end(), bytes.begin(), bytes.end());
    else
        deliver(bytes);
}

void SimulatedReceiver::deliverHeldOutput() {
    if (m_heldOutput.empty())
        return;
    const std::vector<std::uint8_t> held = std::move(m_heldOutput);
    m_heldOutput.clear();
    deliver(held);
}

void SimulatedReceiver::deliver(ConstByteSpan bytes) {
    if (!m_link.isOpen())
        return;
    if (m_config.splitOutputBytes > 0 && bytes.size() > m_config.splitOutputBytes) {
        for (std::size_t done = 0; done < bytes.size(); done += m_config.splitOutputBytes) {
            if (done > 0 && !waitUntil(SimClock::now() + kSplitPause))
                return;
            writeNow(bytes.subspan(done, std::min(m_config.splitOutputBytes, bytes.size() - done)));
        }
        return;
    }
    if (!m_sendPacer.paced()) {
        writeNow(bytes);
        return;
    }
    // Each byte reaches the PC once it has fully crossed the emulated line; whatever is due goes in one write.
    std::vector<SimClock::time_point> due(bytes.size());
    const auto start = SimClock::now();
    for (auto& moment : due)
        moment = m_sendPacer.scheduleByte(start);
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (!waitUntil(due[done]))
            return;
        const auto now = SimClock::now();
        std::size_t end = done;
        while (end < bytes.size() && due[end] <= now)
            ++end;
        writeNow(bytes.subspan(done, end - done));
        done = end;
    }
}

void SimulatedReceiver::writeNow(ConstByteSpan bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(m_link.masterFd(), bytes.data() + written, bytes.size() - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN && waitWritable())
            continue;
        DebugOut("sim: %zu bytes not delivered\n", bytes.size() - written);
        return;
    }
}

bool SimulatedReceiver::waitWritable() {
    const timespec timeout = toTimespec(kWriteStall);
    std::array<pollfd, 2> fds{pollfd{m_link.masterFd(), POLLOUT, 0}, pollfd{m_wakeFd, POLLIN, 0}};
    if (::ppoll(fds.data(), fds.size(), &timeout, nullptr) <= 0)
        return false;
    if (fds[1].revents & POLLIN)
        drainEventFd(m_wakeFd);
    return !m_stopRequested && (fds[0].revents & POLLOUT);
}

void SimulatedReceiver::storeBlock(int transferClass, ConstByteSpan bytes) {
    m_blocks.add(transferClass, bytes);
}

void SimulatedReceiver::closeLine() {
    deliverHeldOutput();
    m_lineClosed = true;
    m_link.waitUntilRead(kWriteStall);
    m_link.close();
}

} // namespace vorlane
