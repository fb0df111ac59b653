#include "pc_end.h"

#include "storage/checksum.h"

#include <algorithm>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace vorlane::testing {

PcEnd::PcEnd(const std::string& devicePath) {
    m_fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios mode{};
    if (m_fd >= 0 && tcgetattr(m_fd, &mode) == 0) {
        cfmakeraw(&mode);
        tcsetattr(m_fd, TCSANOW, &mode);
    }
}

PcEnd::~PcEnd() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void PcEnd::Write(ConstByteSpan bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (count > 0) {
            done += static_cast<std::size_t>(count);
            continue;
        }
        pollfd writable{m_fd, POLLOUT, 0};
        if (::poll(&writable, 1, 1000) <= 0)
            return;
    }
}

Bytes PcEnd::Read(std::size_t count, std::chrono::milliseconds timeout) {
    Bytes received;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (received.size() < count) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{m_fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            break;
        if (!(readable.revents & POLLIN))
            break;
        std::uint8_t buffer[4096];
        const ssize_t got = ::read(m_fd, buffer, std::min(sizeof buffer, count - received.size()));
        if (got <= 0)
            break;
        received.insert(received.end(), buffer, buffer + got);
    }
    return received;
}

Bytes WakeUp() {
    const Bytes frame{0x0A, 0xCC, 0x55, 0xEE, 0xFF};
    return Join({frame, frame, frame, frame, frame});
}

Bytes PacketOf(ConstByteSpan data) {
    Bytes packet(data.begin(), data.end());
    packet.resize(data.size() + 4);
    WriteBe32(packet.data() + data.size(), Checksum(data));
    return packet;
}

Bytes SizeOf(std::uint32_t size) {
    Bytes bytes(4);
    WriteBe32(bytes.data(), size);
    return bytes;
}

Bytes PatternBytes(std::size_t count, std::uint8_t seed) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return bytes;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

} // namespace vorlane::testing
