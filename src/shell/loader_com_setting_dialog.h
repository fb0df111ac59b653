#pragma once
// "COM Setting": the port ("COM1" to "COM16", each with the device it stands for as its tool tip) and the line speed
// of the loader, preset from the current choice; "Set" closes it with OK. Below them, the serial devices: what each
// port stands for, and a device to store for the chosen port.

#include "loader/serial_device_scan.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QComboBox;

namespace vorlane {
class Connection;
}

namespace vorlane::ui {

class SerialDevicesGroup;

class ComSettingDialog : public QDialog {
public:
    // `devicePath` gives the device of port number 1 to 16; `devices` are the serial devices to choose from.
    ComSettingDialog(std::uint32_t portIndex, std::uint32_t speedIndex,
                     const std::function<std::string(int portNumber)>& devicePath,
                     const std::vector<FoundSerialDevice>& devices, QWidget* parent = nullptr);

    std::uint32_t PortIndex() const;
    std::uint32_t SpeedIndex() const;
    // The device to store for the chosen port; empty when it keeps its device.
    QString ChosenDevice() const;

private:
    QComboBox* m_portList;
    QComboBox* m_speedList;
    SerialDevicesGroup* m_devices;
};

// Opens the dialog over the connection's port and speed; OK gives both back to the connection and stores a chosen
// device for the port. True on OK, false when the dialog was closed any other way (nothing changes then).
[[nodiscard]] bool RunComSettingDialog(Connection& connection, QWidget* parent);

} // namespace vorlane::ui
