#pragma once
// The "Serial Devices" part of COM Setting: what each of COM1 to COM16 stands for and whether that device is there,
// and a choice among the serial devices this machine has (or any path typed in) for the chosen port.

#include "loader/serial_device_scan.h"

#include <QGroupBox>

#include <vector>

class QComboBox;
class QTreeWidget;

namespace vorlane::ui {

class SerialDevicesGroup : public QGroupBox {
public:
    SerialDevicesGroup(const std::vector<PortDevice>& ports, const std::vector<FoundSerialDevice>& devices,
                       QWidget* parent = nullptr);

    // Marks the row of port index 0 to 15 as the one the device choice is for.
    void ShowPort(int portIndex);
    // The device chosen for the port; empty when the port keeps its device.
    QString ChosenDevice() const;

private:
    QTreeWidget* m_table;
    QComboBox* m_deviceList;
};

} // namespace vorlane::ui
