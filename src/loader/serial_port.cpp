#include "loader/serial_port.h"

#include "platform/clock.h"
#include "platform/trace.h"

#include <system_error>

namespace vorlane {
namespace {

// Longest wait for the driver to take the bytes of one write.
constexpr int kWriteTimeoutMs = 1000;

} // namespace

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::Create(SerialPortOwner* owner, OwnerDispatcher* dispatcher, std::uint32_t receiveQueueSize,
                        std::uint32_t transmitQueueSize) {
    if (m_handoff || receiveQueueSize == 0 || (owner != nullptr && dispatcher == nullptr) || !m_wake.Create())
        return false;
    m_owner = owner;
    m_dispatcher = dispatcher;
    m_receiveQueueSize = receiveQueueSize;
    m_transmitQueueSize = transmitQueueSize;
    m_handoff = std::make_shared<ReceiveHandoff>(receiveQueueSize);
    return true;
}

bool SerialPort::Open(const std::string& devicePath, std::uint32_t baudRate, std::uint8_t parity, std::uint8_t byteSize,
                      std::uint8_t stopBits, std::uint8_t flowControl) {
    if (IsOpen() || !m_handoff)
        return false;

    std::lock_guard lock(m_writeMutex);
    if (!m_device.Open(devicePath))
        return false;
    if (!m_device.Configure({baudRate, parity, byteSize, stopBits, flowControl})) {
        m_device.Close();
        return false;
    }
    m_wake.Reset();
    const std::uint64_t session = m_handoff->Start();
    try {
        m_watcher = std::thread(&SerialPort::WatchDevice, this, session);
    } catch (const std::system_error&) {
        m_handoff->Stop();
        m_device.Close();
        return false;
    }
    return true;
}

void SerialPort::Close() {
    if (!IsOpen())
        return;
    m_handoff->Stop();
    m_wake.Signal(); // stays signalled until the next Open, so a write waiting for the driver gives up too
    m_watcher.join();
    std::lock_guard lock(m_writeMutex);
    m_device.Close();
}

bool SerialPort::Write(const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(m_writeMutex);
    if (!m_device.IsOpen())
        return false;
    const DeviceWriteResult result = m_device.Write(data, length, m_wake.Fd(), kWriteTimeoutMs);
    switch (result.status) {
    case DeviceWriteResult::kDone:
        return true;
    case DeviceWriteResult::kRefused:
        DebugOut("[in WirteCommPort] %d Error\n", result.error);
        return false;
    case DeviceWriteResult::kInterrupted:
        DebugOut("GetLastError() != ERROR_IO_INCOMPLETE\n");
        return false; // the driver did not take all the bytes, so the write is not reported as done
    }
    return false;
}

bool SerialPort::DrainDuringDirectRead(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = m_handoff->TakeFromBatch(buffer, capacity);
    if (count == capacity)
        return true;
    std::size_t read = 0;
    const DeviceRead result = m_device.Read(buffer + count, capacity - count, read);
    count += read;
    return result != DeviceRead::Gone || count > 0;
}

bool SerialPort::ReadQueued(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    if (!IsOpen())
        return false;
    DirectReadScope directRead(*m_handoff);
    return DrainDuringDirectRead(buffer, capacity, count);
}

bool SerialPort::ReadWithTimeout(std::uint8_t* buffer, std::size_t capacity, std::size_t& count,
                                 std::uint32_t timeoutMs) {
    count = 0;
    if (!IsOpen())
        return false;
    DirectReadScope directRead(*m_handoff);
    const std::uint64_t deadline = TickCountMs() + timeoutMs;
    for (;;) {
        if (!DrainDuringDirectRead(buffer, capacity, count))
            return false;
        if (count > 0)
            return true;
        const std::uint64_t now = TickCountMs();
        if (now >= deadline)
            break;
        m_device.WaitForInput(m_wake.Fd(), static_cast<int>(deadline - now));
    }
    DebugOut("Timeout occurred");
    return false;
}

std::size_t SerialPort::GetReceived(std::uint8_t* destination) {
    return m_handoff ? m_handoff->TakeBatch(destination) : 0;
}

} // namespace vorlane
