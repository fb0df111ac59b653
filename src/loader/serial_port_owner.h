#pragma once
// The receiving side of a SerialPort (the main view, or the command-line loader). Both calls arrive on
// the owner's own thread, through its OwnerDispatcher.

namespace vorlane {

class SerialPort;

class SerialPortOwner {
public:
    virtual ~SerialPortOwner() = default;

    // A batch of received bytes is waiting (kUmSerialData). Take it with port.GetReceived(); the watcher
    // reads on as soon as it was taken, or when this returns.
    virtual void OnSerialData(SerialPort& port) = 0;

    // The device went away (unplugged, other end closed). The watcher has ended; the port stays open
    // until Close, and writes to it fail.
    virtual void OnSerialConnectionLost(SerialPort& port) = 0;
};

} // namespace vorlane
