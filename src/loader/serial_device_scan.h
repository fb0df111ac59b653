#pragma once
// The serial devices that exist on this machine, by their stable names, and what each of COM1 to COM16 stands
// for. Everything is looked up below a root folder, so tests lay out a /dev and /sys of their own.

#include <functional>
#include <string>
#include <vector>

namespace vorlane {

struct FoundSerialDevice {
    std::string path;       // "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0" or "/dev/ttyS0"
    std::string kernelName; // the terminal the path leads to: "ttyUSB0"
};

// The /dev/serial/by-id links by name, then the ttyUSB and ttyACM devices no link leads to, then the ttyS ports
// whose UART the kernel found (a ttyS node exists for every possible port), each kind in number order.
std::vector<FoundSerialDevice> FindSerialDevices(const std::string& root = "");

enum class DeviceState { Present, Missing, NoPermission };

struct PortDevice {
    int portNumber = 0;
    std::string device;
    DeviceState state = DeviceState::Missing;
    std::string group; // the group owning a device the user may not use
};

// Whether the device exists and the user may read and write it; `ownerGroup` names its group when not.
DeviceState ProbeDevice(const std::string& path, std::string& ownerGroup);

// COM1 to COM16 with the device `devicePath` gives each and its state.
std::vector<PortDevice> PortDeviceTable(const std::function<std::string(int portNumber)>& devicePath);

// "present", "missing" or "no permission".
const char* DeviceStateText(DeviceState state);

// What to do about a device the user may not use: names the device and the group to join.
std::string PermissionAdvice(const std::string& device, const std::string& ownerGroup);

} // namespace vorlane
