#pragma once
// The loader's serial settings: port, speed, character format, flow control and the two protocol pauses,
// kept per user under one key. Read once when the view starts and written back once when it ends.

#include "platform/serial_line.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

class SettingsStore;

inline constexpr std::string_view kSerialSettingsKey = "Software\\QV\\QvLinkDesk\\Serial";

inline constexpr std::uint32_t kLineSpeedCount = 16;

// Bits per second of a speed index 0-15 (110 to 921600); 0 for any other index.
std::uint32_t LineSpeedOfIndex(std::uint32_t speedIndex);

// The forced upload's pause after the first acknowledged packet is never shorter than this.
inline constexpr std::int32_t kMinimumTimeout2Ms = 5000;

struct SerialSettings {
    std::uint32_t comport = 0;   // port index 0-15: COM1-COM16
    std::uint32_t bart = 11;     // speed index: 115200
    std::uint32_t dataBit = 3;   // byte size minus 5: 8 bits
    std::uint32_t parityBit = 0; // parity code of SerialParity
    std::uint32_t stopBit = 0;   // stop-bits code of SerialStopBits
    std::uint8_t flowCtrl = 0;   // SerialFlowControl bits
    std::int32_t timeout1 = 0;   // ms before each upload packet after the first
    std::int32_t timeout2 = kMinimumTimeout2Ms;

    int PortNumber() const { return static_cast<int>(comport) + 1; }
    // What the port is opened with; the codes are passed on in their low 8 bits.
    SerialLineSettings Line() const;
};

// The eight values, each with its default when missing. A store that cannot be read gives 0 for every number.
// Indexes outside the port and speed lists fall back to their defaults; Timeout2 is raised to its minimum.
SerialSettings LoadSerialSettings(const SettingsStore& store);

// Writes all eight values; true when every one was stored.
bool StoreSerialSettings(SettingsStore& store, const SerialSettings& settings);

// The device of port 1-16: the VORLANE_SERIAL_DIR link, the stored "Devices/COMn" path or the built-in one.
std::string StoredSerialDevicePath(const SettingsStore& store, int portNumber);

// Stores `path` as the port's "Devices/COMn" at once (the eight values wait for the end of the run, but the
// device is looked up on every connect). True when stored.
bool StoreSerialDevicePath(SettingsStore& store, int portNumber, const std::string& path);

} // namespace vorlane
