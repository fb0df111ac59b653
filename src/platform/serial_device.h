#pragma once
// An open serial device (a terminal) held exclusively: opening, line settings, modem lines, purging,
// non-blocking reads and writes, and waiting for input. The device's own settings are restored on close.

#include "platform/serial_line.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <termios.h>

namespace vorlane {

enum class DeviceWait {
    Input,  // bytes are queued
    Hangup, // the device reports a hang-up or an error; a read tells whether bytes are left
    Woken,  // the wake descriptor was signalled
    TimedOut,
};

enum class DeviceRead {
    Data,  // at least one byte was read
    Empty, // nothing queued
    Gone,  // the device is gone (hang-up, I/O error or end of file)
};

struct DeviceWriteResult {
    enum Status {
        kDone,
        kRefused,     // the first attempt failed
        kInterrupted, // failed, timed out or was woken while waiting for the driver to take the rest
    };
    Status status = kDone;
    int error = 0; // errno of the failure
};

class SerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Opens the device for exclusive reading and writing and remembers its settings.
    [[nodiscard]] bool Open(const std::string& path);

    // Applies the line settings, raises DTR and RTS and empties both driver queues.
    [[nodiscard]] bool Configure(const SerialLineSettings& line);

    // Drops DTR, empties the queues, restores the remembered settings and releases the device.
    void Close();

    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // Waits for input, a hang-up or a signal of wakeFd; timeoutMs < 0 waits without limit.
    DeviceWait WaitForInput(int wakeFd, int timeoutMs) const;

    // Reads the queued bytes, at most capacity; count tells how many were read.
    DeviceRead Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count);

    // Writes all bytes, waiting for room in the driver at most timeoutMs in all and giving up when
    // wakeFd is signalled.
    DeviceWriteResult Write(const std::uint8_t* data, std::size_t length, int wakeFd, int timeoutMs);

    // True when the device exists and could be taken exclusively right now; it is released again at once.
    [[nodiscard]] static bool Probe(const std::string& path);

private:
    int m_fd = -1;
    termios m_saved{};
    std::uint32_t m_savedSpeed = 0;
};

} // namespace vorlane
