#pragma once
// Turns loader line settings into terminal settings and applies them to an open serial device.

#include "platform/serial_line.h"

#include <termios.h>

namespace vorlane {

// The terminal settings for a line, derived from the device's current ones: raw binary mode, receiver on,
// modem status ignored, parity checking on, the given character format and flow control. The speed is
// left alone (see applyLineSettings). False when a value is out of range.
[[nodiscard]] bool MakeLineTermios(const termios& current, const SerialLineSettings& line, termios& result);

// The B-constant of a rate, or false when the rate has none.
[[nodiscard]] bool SpeedConstant(std::uint32_t bitsPerSecond, speed_t& constant);

// Applies the settings and the speed to an open terminal.
[[nodiscard]] bool ApplyLineSettings(int fd, const SerialLineSettings& line);

} // namespace vorlane
