#pragma once
// The wake-up sequence that makes a running receiver print its identification: five cycles of a line feed and
// the frame 0xCC 0x55 0xEE 0xFF, one byte per write with 1 ms after each, and 50 ms after each cycle.

namespace vorlane {

class SerialPort;

// True when every byte was written, false when the port is closed or a write failed (the rest is still tried,
// as the pauses are part of the sequence). Callers may ignore it: the receiver's answer tells what matters.
bool SendWakeUp(SerialPort& port);

} // namespace vorlane
