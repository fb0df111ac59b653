#include "loader/transfer_line.h"

#include "loader/serial_port.h"
#include "platform/bytes.h"
#include "platform/clock.h"

#include <array>

namespace vorlane {

int TransferLine::SendByte(std::uint8_t byte) {
    return SendBuffer(&byte, 1);
}

int TransferLine::SendString(std::string_view text) {
    return SendBuffer(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

int TransferLine::SendBuffer(const std::uint8_t* bytes, std::size_t length) {
    return SendBufferPause(bytes, length, kPauseAfterWriteMs);
}

int TransferLine::SendBufferPause(const std::uint8_t* bytes, std::size_t length, std::uint32_t pauseMs) {
    if (!m_port.IsOpen())
        return -1;
    const int written = m_port.Write(bytes, length) ? 1 : 0;
    if (pauseMs != 0)
        SleepMs(pauseMs);
    return written;
}

int TransferLine::SendDword(std::uint32_t value, int order) {
    std::array<std::uint8_t, 4> bytes{};
    if (order == kMostSignificantFirst)
        WriteBe32(bytes.data(), value);
    else
        WriteLe32(bytes.data(), value);
    return SendBuffer(bytes.data(), bytes.size());
}

} // namespace vorlane
