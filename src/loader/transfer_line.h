#pragma once
// The send operations of the transfer protocol: every write goes through the port's single write path and is
// followed by a pause (1 ms unless given), and single command bytes are written one at a time.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorlane {

class SerialPort;

enum class ByteOrder { MostSignificantFirst, LeastSignificantFirst };

// What became of a write. The protocol's callers may let it go: a lost write shows up as the receiver's silence,
// and every state that waits for an answer ends by its timeout.
enum class SendResult { Sent, WriteFailed, PortClosed };

class TransferLine {
public:
    static constexpr std::uint32_t kPauseAfterWriteMs = 1;

    explicit TransferLine(SerialPort& port) : m_port(port) {}

    // A closed port is not written to.
    SendResult SendByte(std::uint8_t byte);
    SendResult SendString(std::string_view text);
    SendResult SendBuffer(const std::uint8_t* bytes, std::size_t length);
    SendResult SendBufferPause(const std::uint8_t* bytes, std::size_t length, std::uint32_t pauseMs);
    SendResult SendDword(std::uint32_t value, ByteOrder order);

    SerialPort& Port() { return m_port; }

private:
    SerialPort& m_port;
};

} // namespace vorlane
