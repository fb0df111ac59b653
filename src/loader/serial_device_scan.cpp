#include "loader/serial_device_scan.h"

#include "loader/serial_port_names.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlane {
namespace {

namespace fs = std::filesystem;

// The number after `prefix` in a name like "ttyUSB12"; -1 when the name is not prefix + digits.
int TerminalNumber(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return -1;
    int number = -1;
    const char* end = name.data() + name.size();
    const auto result = std::from_chars(name.data() + prefix.size(), end, number);
    return result.ec == std::errc() && result.ptr == end ? number : -1;
}

// The terminals "prefix<n>" in root/dev, in number order.
std::vector<std::string> Terminals(const std::string& root, const std::string& prefix) {
    std::vector<std::pair<int, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root + "/dev", error)) {
        const std::string name = entry.path().filename().string();
        const int number = TerminalNumber(name, prefix);
        if (number >= 0)
            found.emplace_back(number, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [number, name] : found)
        names.push_back(std::move(name));
    return names;
}

// A ttyS port has a UART when the kernel reports a port type other than 0 (none) for it.
bool HasUart(const std::string& root, const std::string& name) {
    std::ifstream type(root + "/sys/class/tty/" + name + "/type");
    int value = 0;
    return type >> value && value != 0;
}

} // namespace

std::vector<FoundSerialDevice> FindSerialDevices(const std::string& root) {
    std::vector<FoundSerialDevice> devices;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root + "/dev/serial/by-id", error)) {
        const fs::path target = fs::canonical(entry.path(), error);
        if (!error)
            devices.push_back({"/dev/serial/by-id/" + entry.path().filename().string(), target.filename().string()});
    }
    std::sort(devices.begin(), devices.end(),
              [](const FoundSerialDevice& a, const FoundSerialDevice& b) { return a.path < b.path; });
    const auto linked = [&devices](const std::string& name) {
        return std::any_of(devices.begin(), devices.end(),
                           [&name](const FoundSerialDevice& device) { return device.kernelName == name; });
    };
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"})
        for (const std::string& name : Terminals(root, prefix))
            if (!linked(name) && (std::string(prefix) != "ttyS" || HasUart(root, name)))
                devices.push_back({"/dev/" + name, name});
    return devices;
}

DeviceState ProbeDevice(const std::string& path, std::string& ownerGroup) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0)
        return DeviceState::Missing;
    if (::access(path.c_str(), R_OK | W_OK) == 0 || errno != EACCES)
        return DeviceState::Present;
    const struct group* owner = ::getgrgid(status.st_gid);
    ownerGroup = owner != nullptr ? owner->gr_name : std::to_string(status.st_gid);
    return DeviceState::NoPermission;
}

std::vector<PortDevice> PortDeviceTable(const std::function<std::string(int portNumber)>& devicePath) {
    std::vector<PortDevice> table;
    for (int portNumber = 1; portNumber <= kSerialPortCount; ++portNumber) {
        PortDevice row;
        row.portNumber = portNumber;
        row.device = devicePath(portNumber);
        row.state = ProbeDevice(row.device, row.group);
        table.push_back(std::move(row));
    }
    return table;
}

const char* DeviceStateText(DeviceState state) {
    switch (state) {
    case DeviceState::Present:
        return "present";
    case DeviceState::NoPermission:
        return "no permission";
    case DeviceState::Missing:
        break;
    }
    return "missing";
}

std::string PermissionAdvice(const std::string& device, const std::string& group) {
    return "You may not use " + device + ": it belongs to the group \"" + group +
           "\". Join that group with\n  sudo adduser \"$USER\" " + group + "\nand log in again.";
}

} // namespace vorlane
