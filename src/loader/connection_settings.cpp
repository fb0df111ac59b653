#include "loader/connection_settings.h"

#include "loader/serial_port_names.h"
#include "platform/settings_store.h"

#include <array>

namespace vorlane {
namespace {

constexpr std::array<std::uint32_t, kLineSpeedCount> kLineSpeeds = {
    110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 115200, 172800, 230400, 460800, 921600,
};

constexpr std::uint32_t kByteSizeOffset = 5;

} // namespace

std::uint32_t LineSpeedOfIndex(std::uint32_t speedIndex) {
    return speedIndex < kLineSpeedCount ? kLineSpeeds[speedIndex] : 0;
}

SerialLineSettings SerialSettings::Line() const {
    SerialLineSettings line;
    line.baudRate = LineSpeedOfIndex(bart);
    line.parity = static_cast<std::uint8_t>(parityBit);
    line.byteSize = static_cast<std::uint8_t>(dataBit + kByteSizeOffset);
    line.stopBits = static_cast<std::uint8_t>(stopBit);
    line.flowControl = flowCtrl;
    return line;
}

SerialSettings LoadSerialSettings(const SettingsStore& store) {
    const SerialSettings defaults;
    const auto read = [&](std::string_view name, std::uint32_t defaultValue) {
        return store.ReadNumber(kSerialSettingsKey, name, defaultValue);
    };
    SerialSettings settings;
    settings.bart = read("Bart", defaults.bart);
    settings.parityBit = read("ParityBit", defaults.parityBit);
    settings.dataBit = read("DataBit", defaults.dataBit);
    settings.stopBit = read("StopBit", defaults.stopBit);
    settings.comport = read("Comport", defaults.comport);
    settings.flowCtrl = static_cast<std::uint8_t>(read("bFlowCtrl", defaults.flowCtrl));
    settings.timeout1 = static_cast<std::int32_t>(read("Timeout1", static_cast<std::uint32_t>(defaults.timeout1)));
    settings.timeout2 = static_cast<std::int32_t>(read("Timeout2", static_cast<std::uint32_t>(defaults.timeout2)));

    // Both indexes select from fixed lists; a hand-edited value outside them would select nothing.
    if (settings.bart >= kLineSpeedCount)
        settings.bart = defaults.bart;
    if (settings.comport >= static_cast<std::uint32_t>(kSerialPortCount))
        settings.comport = defaults.comport;
    if (settings.timeout2 < kMinimumTimeout2Ms)
        settings.timeout2 = kMinimumTimeout2Ms;
    return settings;
}

bool StoreSerialSettings(SettingsStore& store, const SerialSettings& settings) {
    bool stored = true;
    const auto write = [&](std::string_view name, std::uint32_t value) {
        stored = store.WriteNumber(kSerialSettingsKey, name, value) && stored;
    };
    write("Bart", settings.bart);
    write("ParityBit", settings.parityBit);
    write("DataBit", settings.dataBit);
    write("StopBit", settings.stopBit);
    write("Comport", settings.comport);
    write("bFlowCtrl", settings.flowCtrl);
    write("Timeout1", static_cast<std::uint32_t>(settings.timeout1));
    write("Timeout2", static_cast<std::uint32_t>(settings.timeout2));
    return stored;
}

std::string StoredSerialDevicePath(const SettingsStore& store, int portNumber) {
    return SerialDevicePath(portNumber, [&store](const std::string& valueName) {
        std::string path;
        store.ReadText(kSerialSettingsKey, valueName, "", path);
        return path;
    });
}

bool StoreSerialDevicePath(SettingsStore& store, int portNumber, const std::string& path) {
    const std::string valueName = StoredDeviceValueName(portNumber);
    return !valueName.empty() && store.WriteText(kSerialSettingsKey, valueName, path);
}

} // namespace vorlane
