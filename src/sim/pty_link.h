#pragma once
// A pseudo-terminal whose slave end stands in for a serial device: the slave is put in raw mode and made
// reachable under a chosen path through a symbolic link. The slave is kept open here as well, so the
// PC opening and closing its port never leaves the master without a slave (which would make it hang up).

#include <chrono>
#include <string>

namespace vorlane {

class PtyLink {
public:
    PtyLink() = default;
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // Creates the pseudo-terminal and links `linkPath` to its slave, replacing an existing link there
    // (never a file that is not a link). False on failure (nothing is left open).
    [[nodiscard]] bool Open(const std::string& linkPath);
    // Closes both ends and removes the link if it still points to this pseudo-terminal.
    void Close();
    // Waits, at most `timeout`, until the PC has read everything written so far: a hang-up discards
    // what is still queued for it.
    void WaitUntilRead(std::chrono::milliseconds timeout) const;

    bool IsOpen() const { return m_master >= 0; }
    // Non-blocking master end: what is written here the PC reads from the device.
    int MasterFd() const { return m_master; }
    const std::string& DevicePath() const { return m_devicePath; }
    const std::string& LinkPath() const { return m_linkPath; }

private:
    bool OpenPseudoTerminal();
    bool CreateLink(const std::string& linkPath);

    int m_master = -1;
    int m_slave = -1;
    std::string m_devicePath;
    std::string m_linkPath;
};

} // namespace vorlane
