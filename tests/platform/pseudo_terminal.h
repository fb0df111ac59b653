#pragma once
// The test's end of a serial line: either a fresh pseudo-terminal, whose slave path the code under test opens
// while the test plays the other end through the master, or an existing terminal opened by path as the PC would.

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace vorlane::testing {

class PseudoTerminal {
public:
    PseudoTerminal() {
        m_fd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0)
            m_slavePath = ptsname(m_fd);
    }
    explicit PseudoTerminal(const std::string& devicePath)
        : m_fd(::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
    ~PseudoTerminal() { CloseMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Valid() const { return !m_slavePath.empty(); }
    const std::string& SlavePath() const { return m_slavePath; }

    void CloseMaster() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    bool Send(const std::vector<std::uint8_t>& bytes) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t put = ::write(m_fd, bytes.data() + done, bytes.size() - done);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return false;
            done += static_cast<std::size_t>(put);
        }
        return true;
    }
    bool Send(const std::string& text) const { return Send(std::vector<std::uint8_t>(text.begin(), text.end())); }

    // Reads what the other end wrote until count bytes arrived or nothing came for timeoutMs.
    std::vector<std::uint8_t> Receive(std::size_t count, int timeoutMs = 1000) const {
        std::vector<std::uint8_t> got;
        std::uint8_t chunk[4096];
        while (got.size() < count) {
            pollfd fd{m_fd, POLLIN, 0};
            if (poll(&fd, 1, timeoutMs) <= 0)
                break;
            const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
            if (n <= 0)
                break;
            got.insert(got.end(), chunk, chunk + n);
        }
        return got;
    }

private:
    int m_fd = -1;
    std::string m_slavePath;
};

} // namespace vorlane::testing
