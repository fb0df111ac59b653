#pragma once
// The user picks a port as "COM1" to "COM16"; these map it to a serial device path.

#include <functional>
#include <string>

namespace vorlane {

inline constexpr int kSerialPortCount = 16;

// "COM1" to "COM16"; empty for a number outside 1 to 16.
std::string SerialPortName(int portNumber);

// The name under the serial settings where a user may store their own device path: "Devices/COM5".
std::string StoredDeviceValueName(int portNumber);

// The built-in device: COM1-COM8 /dev/ttyUSB0-7, COM9-COM12 /dev/ttyACM0-3, COM13-COM16 /dev/ttyS0-3.
std::string DefaultSerialDevicePath(int portNumber);

// Returns the stored text of a value name under the serial settings, empty when there is none.
using StoredTextLookup = std::function<std::string(const std::string& valueName)>;

// The device of a port: "$VORLANE_SERIAL_DIR/COMn" when that variable is set, else the stored path
// "Devices/COMn" when there is one, else the built-in device. Empty for a number outside 1 to 16.
std::string SerialDevicePath(int portNumber, const StoredTextLookup& stored = {});

} // namespace vorlane
