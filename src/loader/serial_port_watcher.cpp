// The watcher thread of a SerialPort: waits for received bytes and hands each batch to the owner.

#include "loader/owner_dispatcher.h"
#include "loader/serial_port.h"
#include "loader/serial_port_owner.h"

namespace vorlane {

void SerialPort::WatchDevice(std::uint64_t session) {
    for (;;) {
        const DeviceWait wait = m_device.WaitForInput(m_wake.Fd(), -1);
        if (wait == DeviceWait::Woken)
            return;
        std::uint8_t* buffer = m_handoff->BeginWatcherRead();
        if (buffer == nullptr)
            return;
        std::size_t count = 0;
        const DeviceRead result = m_device.Read(buffer, m_receiveQueueSize, count);
        const std::uint64_t delivery = m_handoff->EndWatcherRead(count);
        if (result == DeviceRead::Data) {
            if (delivery == 0 || !Deliver(delivery)) // no delivery number: stopped while reading
                return;
            continue;
        }
        // A hang-up with nothing left to read ends the watcher instead of waking it again and again.
        if (result == DeviceRead::Gone || wait == DeviceWait::Hangup) {
            ReportLost(session);
            return;
        }
        // Empty after a wake-up for input: a direct read took the bytes first.
    }
}

bool SerialPort::Deliver(std::uint64_t delivery) {
    // Without an owner the batch waits for the next direct read: a reply that comes at once is not lost.
    if (m_owner != nullptr)
        m_dispatcher->Post([handoff = m_handoff, owner = m_owner, port = this, delivery] {
            if (!handoff->IsPending(delivery)) // closed meanwhile, or a direct read took it
                return;
            owner->OnSerialData(*port);
            handoff->Finish(delivery);
        });
    return m_handoff->WaitUntilTaken(delivery);
}

void SerialPort::ReportLost(std::uint64_t session) {
    if (m_owner == nullptr)
        return;
    m_dispatcher->Post([handoff = m_handoff, owner = m_owner, port = this, session] {
        if (handoff->IsCurrentSession(session))
            owner->OnSerialConnectionLost(*port);
    });
}

} // namespace vorlane
