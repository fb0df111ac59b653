#include "platform/wake_event.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vorlane {

WakeEvent::~WakeEvent() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool WakeEvent::Create() {
    if (m_fd < 0)
        m_fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    return m_fd >= 0;
}

void WakeEvent::Signal() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_fd, &one, sizeof one);
}

void WakeEvent::Reset() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = ::read(m_fd, &count, sizeof count);
}

} // namespace vorlane
