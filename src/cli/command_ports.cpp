// vorlane-cli ports: what each of COM1 to COM16 stands for, and which serial devices this machine has.

#include "cli/cli_command.h"
#include "loader/connection_settings.h"
#include "loader/serial_device_scan.h"
#include "loader/serial_port_names.h"
#include "platform/qt/qsettings_store.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

void PrintPortsUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli ports\n\n"
               "Prints, for COM1 to COM16, the device the port stands for and whether it is present, missing or\n"
               "not allowed to you; then the serial devices on this machine by their stable names\n"
               "(/dev/serial/by-id/..., then ttyUSB, ttyACM and the ttyS ports that have a UART). Choose one for a\n"
               "port in the editor's COM Setting or with --device.\n",
               out);
}

} // namespace

int RunPorts(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintPortsUsage(stdout);
        return kExitOk;
    }
    if (!args.empty()) {
        std::fprintf(stderr, "vorlane-cli ports: unexpected argument '%s'\n\n", args.front());
        PrintPortsUsage(stderr);
        return kExitUsage;
    }

    QSettingsStore store;
    const std::vector<PortDevice> table =
        PortDeviceTable([&store](int portNumber) { return StoredSerialDevicePath(store, portNumber); });
    std::printf("%-6s %-14s %s\n", "Port", "State", "Device");
    const PortDevice* refused = nullptr;
    for (const PortDevice& row : table) {
        std::printf("%-6s %-14s %s\n", SerialPortName(row.portNumber).c_str(), DeviceStateText(row.state),
                    row.device.c_str());
        if (row.state == DeviceState::NoPermission && refused == nullptr)
            refused = &row;
    }

    std::puts("\nSerial devices:");
    const std::vector<FoundSerialDevice> devices = FindSerialDevices();
    if (devices.empty())
        std::puts("  none found");
    for (const FoundSerialDevice& device : devices) {
        if (device.path == "/dev/" + device.kernelName)
            std::printf("  %s\n", device.path.c_str());
        else
            std::printf("  %s (%s)\n", device.path.c_str(), device.kernelName.c_str());
    }
    if (refused != nullptr)
        std::printf("\n%s\n", PermissionAdvice(refused->device, refused->group).c_str());
    return kExitOk;
}

} // namespace vorlane::cli
