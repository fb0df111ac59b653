#include "platform/serial_device.h"

#include "platform/clock.h"
#include "platform/serial_line_config.h"
#include "platform/serial_speed.h"
#include "platform/trace.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vorlane {
namespace {

// Pseudo-terminals and some drivers have no modem lines or exclusive mode; that is not an error.
bool UnsupportedByDevice(int error) {
    return error == ENOTTY || error == EINVAL;
}

void SetModemLines(int fd, int lines, bool on) {
    ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &lines);
}

// Opens the path and takes it exclusively; -1 when the device is missing, busy or not a terminal.
int OpenExclusive(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const bool taken =
        isatty(fd) && flock(fd, LOCK_EX | LOCK_NB) == 0 && (ioctl(fd, TIOCEXCL) == 0 || UnsupportedByDevice(errno));
    if (!taken) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Pseudo-terminals keep the exclusive flag beyond the last close, so it is dropped explicitly.
void ReleaseExclusive(int fd) {
    ioctl(fd, TIOCNXCL);
    ::close(fd); // also releases the flock
}

int RemainingMs(std::uint64_t deadline) {
    const std::uint64_t now = TickCountMs();
    return now >= deadline ? 0 : static_cast<int>(deadline - now);
}

} // namespace

SerialDevice::~SerialDevice() {
    Close();
}

bool SerialDevice::Open(const std::string& path) {
    Close();
    const int fd = OpenExclusive(path);
    if (fd < 0)
        return false;
    if (tcgetattr(fd, &m_saved) != 0) {
        ::close(fd);
        return false;
    }
    m_savedSpeed = ReadTerminalSpeed(fd);
    m_fd = fd;
    return true;
}

bool SerialDevice::Configure(const SerialLineSettings& line) {
    if (m_fd < 0 || !ApplyLineSettings(m_fd, line))
        return false;
    // DTR stays on in every mode: the DSR/DTR handshake has no terminal equivalent. With CTS/RTS flow
    // control the driver takes RTS over from here.
    SetModemLines(m_fd, TIOCM_DTR | TIOCM_RTS, true);
    return tcflush(m_fd, TCIOFLUSH) == 0;
}

void SerialDevice::Close() {
    if (m_fd < 0)
        return;
    SetModemLines(m_fd, TIOCM_DTR, false);
    tcflush(m_fd, TCIOFLUSH);
    tcsetattr(m_fd, TCSANOW, &m_saved);
    speed_t constant = 0;
    // Restoring the speed is best effort: the port closes either way.
    if (m_savedSpeed != 0 && !SpeedConstant(m_savedSpeed, constant) && !SetTerminalSpeed(m_fd, m_savedSpeed))
        DebugOut("SerialDevice: speed %u not restored\n", static_cast<unsigned>(m_savedSpeed));
    ReleaseExclusive(m_fd);
    m_fd = -1;
}

DeviceWait SerialDevice::WaitForInput(int wakeFd, int timeoutMs) const {
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    const std::uint64_t deadline = TickCountMs() + static_cast<std::uint64_t>(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        const int ready = poll(fds, 2, timeoutMs < 0 ? -1 : RemainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return DeviceWait::Hangup;
        if (ready == 0)
            return DeviceWait::TimedOut;
        if (fds[1].revents != 0)
            return DeviceWait::Woken;
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            return DeviceWait::Hangup;
        return DeviceWait::Input;
    }
}

DeviceRead SerialDevice::Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    while (count < capacity) {
        const ssize_t got = ::read(m_fd, buffer + count, capacity - count);
        if (got > 0) {
            count += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        return count > 0 ? DeviceRead::Data : DeviceRead::Gone; // the next read reports the loss
    }
    return count > 0 ? DeviceRead::Data : DeviceRead::Empty;
}

DeviceWriteResult SerialDevice::Write(const std::uint8_t* data, std::size_t length, int wakeFd, int timeoutMs) {
    const std::uint64_t deadline = TickCountMs() + static_cast<std::uint64_t>(timeoutMs);
    std::size_t done = 0;
    bool firstAttempt = true;
    while (done < length) {
        const ssize_t put = ::write(m_fd, data + done, length - done);
        if (put >= 0) {
            done += static_cast<std::size_t>(put);
        } else if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) {
            return {firstAttempt ? DeviceWriteResult::kRefused : DeviceWriteResult::kInterrupted, errno};
        }
        firstAttempt = false;
        if (done == length)
            break;

        pollfd fds[2] = {{m_fd, POLLOUT, 0}, {wakeFd, POLLIN, 0}};
        const int ready = poll(fds, 2, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return {DeviceWriteResult::kInterrupted, errno};
        if (ready == 0)
            return {DeviceWriteResult::kInterrupted, ETIMEDOUT};
        if (fds[1].revents != 0)
            return {DeviceWriteResult::kInterrupted, ECANCELED};
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            return {DeviceWriteResult::kInterrupted, EIO};
    }
    return {};
}

bool SerialDevice::Probe(const std::string& path) {
    const int fd = OpenExclusive(path);
    if (fd < 0)
        return false;
    ReleaseExclusive(fd);
    return true;
}

} // namespace vorlane
