#pragma once
// The program's one connection to the receiver: a serial device opened with the user's line settings,
// a write path shared by the owner's thread and the break-in sender, direct reads of the queued bytes,
// and a watcher thread that hands every received batch to the owner on the owner's thread.

#include "loader/receive_handoff.h"
#include "platform/serial_device.h"
#include "platform/wake_event.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace vorlane {

class OwnerDispatcher;
class SerialPortOwner;

// The notification number of a received batch, for owners that route it through their own event loop.
inline constexpr unsigned kUmSerialData = 0x04C9;

// The queue sizes the editor and the command-line tool create their connection to the receiver with.
inline constexpr std::uint32_t kLoaderReceiveQueueSize = 40960;
inline constexpr std::uint32_t kLoaderTransmitQueueSize = 4096;

class SerialPort {
public:
    SerialPort();
    virtual ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Called once. The owner gets its calls through the dispatcher; without one (null), a received batch waits
    // for the next direct read. The receive queue size is the largest batch; the transmit queue size is kept for
    // reference only.
    bool Create(SerialPortOwner* owner, OwnerDispatcher* dispatcher, std::uint32_t receiveQueueSize,
                std::uint32_t transmitQueueSize);

    // Opens the device with parity 0-4 (none, odd, even, mark, space), byte size 5-8, stop bits 0-2
    // (one, one and a half, two) and the flow-control bits of SerialFlowControl, and starts the watcher.
    // False when already open (nothing changes), or when the device cannot be opened or set up.
    bool Open(const std::string& devicePath, std::uint32_t baudRate, std::uint8_t parity, std::uint8_t byteSize,
              std::uint8_t stopBits, std::uint8_t flowControl);

    // Stops the watcher (a batch it still waits to hand over is dropped and never delivered) and releases
    // the device. Nothing happens when the port is closed. Safe to call from the owner's delivery.
    void Close();

    bool IsOpen() const { return m_watcher.joinable(); }

    // Returns once the driver has taken all bytes. One write at a time; callable from any thread.
    bool Write(const std::uint8_t* data, std::size_t length);

    // Drains the bytes received so far, at most capacity, including a batch the watcher has not handed
    // over yet. True with count 0 when nothing is queued; false when closed or the device failed.
    bool ReadQueued(std::uint8_t* buffer, std::size_t capacity, std::size_t& count);

    // Like ReadQueued, but waits up to timeoutMs for the first bytes. While it runs, received bytes come
    // here instead of going to the owner.
    bool ReadWithTimeout(std::uint8_t* buffer, std::size_t capacity, std::size_t& count, std::uint32_t timeoutMs);

    // Copies the batch being delivered (at most the receive queue size) and returns its length; 0 when it
    // was taken already. Meant for the owner's OnSerialData.
    std::size_t GetReceived(std::uint8_t* destination);

    std::uint32_t ReceiveQueueSize() const { return m_receiveQueueSize; }
    std::uint32_t TransmitQueueSize() const { return m_transmitQueueSize; }

private:
    void WatchDevice(std::uint64_t session);
    bool Deliver(std::uint64_t delivery);
    void ReportLost(std::uint64_t session);
    bool DrainDuringDirectRead(std::uint8_t* buffer, std::size_t capacity, std::size_t& count);

    SerialDevice m_device;
    WakeEvent m_wake; // signalled by Close: ends the watcher and a waiting write
    std::uint32_t m_receiveQueueSize = 0;
    std::uint32_t m_transmitQueueSize = 0;
    SerialPortOwner* m_owner = nullptr;
    OwnerDispatcher* m_dispatcher = nullptr;
    std::shared_ptr<ReceiveHandoff> m_handoff;
    std::thread m_watcher;
    std::mutex m_writeMutex; // one write at a time, and no write while the device is opened or closed
};

} // namespace vorlane
