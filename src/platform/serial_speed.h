#pragma once
// Line speeds by plain bits per second. Kept apart from <termios.h> users because the kernel's
// termios2 definitions clash with the C library's.

#include <cstdint>

namespace vorlane {

// Sets input and output speed of an open terminal to any rate, also one without a B-constant.
[[nodiscard]] bool SetTerminalSpeed(int fd, std::uint32_t bitsPerSecond);

// Reads the output speed of an open terminal in bits per second; 0 when it cannot be read.
std::uint32_t ReadTerminalSpeed(int fd);

} // namespace vorlane
