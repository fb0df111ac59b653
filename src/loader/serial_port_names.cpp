#include "loader/serial_port_names.h"

#include <cstdlib>

namespace vorlane {
namespace {

bool IsPortNumber(int portNumber) {
    return portNumber >= 1 && portNumber <= kSerialPortCount;
}

} // namespace

std::string SerialPortName(int portNumber) {
    return IsPortNumber(portNumber) ? "COM" + std::to_string(portNumber) : std::string();
}

std::string StoredDeviceValueName(int portNumber) {
    return IsPortNumber(portNumber) ? "Devices/" + SerialPortName(portNumber) : std::string();
}

std::string DefaultSerialDevicePath(int portNumber) {
    if (!IsPortNumber(portNumber))
        return {};
    if (portNumber <= 8)
        return "/dev/ttyUSB" + std::to_string(portNumber - 1);
    if (portNumber <= 12)
        return "/dev/ttyACM" + std::to_string(portNumber - 9);
    return "/dev/ttyS" + std::to_string(portNumber - 13);
}

std::string SerialDevicePath(int portNumber, const StoredTextLookup& stored) {
    if (!IsPortNumber(portNumber))
        return {};
    const char* folder = std::getenv("VORLANE_SERIAL_DIR");
    if (folder != nullptr && *folder != '\0')
        return std::string(folder) + "/" + SerialPortName(portNumber);
    if (stored) {
        std::string path = stored(StoredDeviceValueName(portNumber));
        if (!path.empty())
            return path;
    }
    return DefaultSerialDevicePath(portNumber);
}

} // namespace vorlane
