#include "sim/pty_link.h"

#include "platform/trace.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vorlane {

PtyLink::~PtyLink() {
    Close();
}

bool PtyLink::Open(const std::string& linkPath) {
    Close();
    if (!OpenPseudoTerminal() || !CreateLink(linkPath)) {
        Close();
        return false;
    }
    return true;
}

bool PtyLink::OpenPseudoTerminal() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        DebugOut("sim: cannot create a pseudo-terminal: %s\n", std::strerror(errno));
        return false;
    }
    std::array<char, 128> name{};
    if (ptsname_r(m_master, name.data(), name.size()) != 0)
        return false;
    m_devicePath = name.data();

    m_slave = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios mode{};
    if (m_slave < 0 || tcgetattr(m_slave, &mode) != 0)
        return false;
    // Raw both ways: no echo back into the receiver, no line editing, no translation of line ends.
    cfmakeraw(&mode);
    mode.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(m_slave, TCSANOW, &mode) != 0)
        return false;

    const int flags = fcntl(m_master, F_GETFL);
    return flags >= 0 && fcntl(m_master, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool PtyLink::CreateLink(const std::string& linkPath) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path link(linkPath);
    if (link.has_parent_path())
        fs::create_directories(link.parent_path(), error);

    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        DebugOut("sim: %s exists and is not a link\n", linkPath.c_str());
        return false;
    }
    // Linking under a temporary name and renaming replaces a stale link in one step.
    const std::string temporary = linkPath + ".sim-" + std::to_string(getpid()) + ".tmp";
    ::unlink(temporary.c_str());
    if (::symlink(m_devicePath.c_str(), temporary.c_str()) != 0 || ::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        DebugOut("sim: cannot link %s: %s\n", linkPath.c_str(), std::strerror(errno));
        ::unlink(temporary.c_str());
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PtyLink::WaitUntilRead(std::chrono::milliseconds timeout) const {
    // The slave's input queue is shared by every opener, so this end's own slave sees what the PC has not read.
    constexpr std::chrono::milliseconds kStep{5};
    for (auto waited = std::chrono::milliseconds(0); m_slave >= 0 && waited < timeout; waited += kStep) {
        std::this_thread::sleep_for(kStep);
        int queued = 0;
        if (ioctl(m_slave, TIOCINQ, &queued) != 0 || queued == 0)
            return;
    }
}

void PtyLink::Close() {
    if (!m_linkPath.empty()) {
        std::error_code error;
        // Another simulator may have taken the name over since; its link stays.
        if (std::filesystem::read_symlink(m_linkPath, error) == m_devicePath)
            ::unlink(m_linkPath.c_str());
        m_linkPath.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
    m_devicePath.clear();
}

} // namespace vorlane
