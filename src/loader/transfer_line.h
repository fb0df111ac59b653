#pragma once
// The send operations of the transfer protocol: every write goes through the port's single write path and is
// followed by a pause (1 ms unless given), and single command bytes are written one at a time.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorlane {

class SerialPort;

// Byte order of SendDword.
inline constexpr int kMostSignificantFirst = 0;
inline constexpr int kLeastSignificantFirst = 1;

class TransferLine {
public:
    static constexpr std::uint32_t kPauseAfterWriteMs = 1;

    explicit TransferLine(SerialPort& port) : m_port(port) {}

    // Each returns -1 and writes nothing when the port is closed; otherwise 1 when the port took the bytes,
    // 0 when the write failed.
    int SendByte(std::uint8_t byte);
    int SendString(std::string_view text);
    int SendBuffer(const std::uint8_t* bytes, std::size_t length);
    int SendBufferPause(const std::uint8_t* bytes, std::size_t length, std::uint32_t pauseMs);
    int SendDword(std::uint32_t value, int order);

    SerialPort& Port() { return m_port; }

private:
    SerialPort& m_port;
};

} // namespace vorlane
