#include "platform/serial_line_config.h"

#include "platform/serial_speed.h"

#include <array>
#include <utility>

namespace vorlane {
namespace {

tcflag_t ByteSizeFlag(std::uint8_t byteSize) {
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t ParityFlags(std::uint8_t parity) {
    switch (parity) {
    case kParityOdd:
        return PARENB | PARODD;
    case kParityEven:
        return PARENB;
    case kParityMark: // stick parity: PARODD selects a parity bit that is always 1
        return PARENB | CMSPAR | PARODD;
    case kParitySpace:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

} // namespace

bool SpeedConstant(std::uint32_t bitsPerSecond, speed_t& constant) {
    static constexpr std::array<std::pair<std::uint32_t, speed_t>, 13> kConstants{{
        {110, B110},
        {300, B300},
        {600, B600},
        {1200, B1200},
        {2400, B2400},
        {4800, B4800},
        {9600, B9600},
        {19200, B19200},
        {38400, B38400},
        {115200, B115200},
        {230400, B230400},
        {460800, B460800},
        {921600, B921600},
    }};
    for (const auto& [rate, value] : kConstants) {
        if (rate == bitsPerSecond) {
            constant = value;
            return true;
        }
    }
    return false;
}

bool MakeLineTermios(const termios& current, const SerialLineSettings& line, termios& result) {
    if (line.byteSize < 5 || line.byteSize > 8 || line.parity > kParitySpace || line.stopBits > kTwoStopBits)
        return false;

    result = current;
    cfmakeraw(&result);
    result.c_iflag &= ~(IXON | IXOFF | IXANY | IGNPAR);
    result.c_iflag |= INPCK; // parity checking stays on whatever the parity
    if (line.flowControl & kFlowXonXoff)
        result.c_iflag |= IXON | IXOFF;

    result.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    result.c_cflag |= CLOCAL | CREAD | ByteSizeFlag(line.byteSize) | ParityFlags(line.parity);
    if (line.stopBits != kOneStopBit) // one and a half is what the hardware sends for two at 5 bits
        result.c_cflag |= CSTOPB;
    if (line.flowControl & kFlowCtsRts)
        result.c_cflag |= CRTSCTS;
    // The DSR/DTR handshake has no terminal equivalent; DTR is simply held on by the device layer.

    result.c_cc[VSTART] = kXonChar;
    result.c_cc[VSTOP] = kXoffChar;
    // A non-blocking read of an empty line then fails with EAGAIN, so a read of 0 only means a hang-up.
    result.c_cc[VMIN] = 1;
    result.c_cc[VTIME] = 0;
    return true;
}

bool ApplyLineSettings(int fd, const SerialLineSettings& line) {
    termios current{};
    if (tcgetattr(fd, &current) != 0)
        return false;
    termios wanted{};
    if (!MakeLineTermios(current, line, wanted))
        return false;

    speed_t constant = 0;
    const bool hasConstant = SpeedConstant(line.baudRate, constant);
    if (hasConstant && cfsetspeed(&wanted, constant) != 0)
        return false;
    if (tcsetattr(fd, TCSANOW, &wanted) != 0)
        return false;
    return hasConstant || SetTerminalSpeed(fd, line.baudRate);
}

} // namespace vorlane
