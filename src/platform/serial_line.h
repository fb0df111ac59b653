#pragma once
// Line settings of a serial port, in the codes the loader stores and passes around.

#include <cstdint>

namespace vorlane {

enum SerialParity : std::uint8_t {
    kParityNone = 0,
    kParityOdd = 1,
    kParityEven = 2,
    kParityMark = 3,
    kParitySpace = 4,
};

enum SerialStopBits : std::uint8_t {
    kOneStopBit = 0,
    kOneAndHalfStopBits = 1,
    kTwoStopBits = 2,
};

// Flow-control bits; any combination may be set.
enum SerialFlowControl : std::uint8_t {
    kFlowDsrDtr = 0x01,
    kFlowCtsRts = 0x02,
    kFlowXonXoff = 0x04,
};

struct SerialLineSettings {
    std::uint32_t baudRate = 115200;
    std::uint8_t parity = kParityNone;
    std::uint8_t byteSize = 8; // 5 to 8
    std::uint8_t stopBits = kOneStopBit;
    std::uint8_t flowControl = 0;
};

inline constexpr std::uint8_t kXonChar = 0x11;
inline constexpr std::uint8_t kXoffChar = 0x13;

} // namespace vorlane
