#include "loader/transfer_line.h"

#include "loader/serial_port.h"
#include "platform/bytes.h"
#include "platform/clock.h"

#include <array>

namespace vorlane {

SendResult TransferLine::SendByte(std::uint8_t byte) {
    return SendBuffer(&byte, 1);
}

SendResult TransferLine::SendString(std::string_view text) {
    return SendBuffer(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

SendResult TransferLine::SendBuffer(const std::uint8_t* bytes, std::size_t length) {
    return SendBufferPause(bytes, length, kPauseAfterWriteMs);
}

SendResult TransferLine::SendBufferPause(const std::uint8_t* bytes, std::size_t length, std::uint32_t pauseMs) {
    if (!m_port.IsOpen())
        return SendResult::PortClosed;
    const SendResult written = m_port.Write(bytes, length) ? SendResult::Sent : SendResult::WriteFailed;
    if (pauseMs != 0)
        SleepMs(pauseMs);
    return written;
}

SendResult TransferLine::SendDword(std::uint32_t value, ByteOrder order) {
    std::array<std::uint8_t, 4> bytes{};
    if (order == ByteOrder::MostSignificantFirst)
        WriteBe32(bytes.data(), value);
    else
        WriteLe32(bytes.data(), value);
    return SendBuffer(bytes.data(), bytes.size());
}

} // namespace vorlane
