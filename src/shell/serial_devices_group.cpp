#include "shell/serial_devices_group.h"

#include "loader/serial_port_names.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

QString StateText(const PortDevice& port) {
    switch (port.state) {
    case DeviceState::Present:
        return QCoreApplication::translate("SerialDevicesGroup", "present");
    case DeviceState::NoPermission:
        return QCoreApplication::translate("SerialDevicesGroup", "no permission (group %1)")
            .arg(QString::fromStdString(port.group));
    case DeviceState::Missing:
        break;
    }
    return QCoreApplication::translate("SerialDevicesGroup", "missing");
}

} // namespace

SerialDevicesGroup::SerialDevicesGroup(const std::vector<PortDevice>& ports,
                                       const std::vector<FoundSerialDevice>& devices, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("SerialDevicesGroup", "Serial Devices"), parent) {
    setObjectName(QStringLiteral("serialDevicesGroup"));
    auto* layout = new QVBoxLayout(this);

    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("portDeviceTable"));
    m_table->setHeaderLabels({QCoreApplication::translate("SerialDevicesGroup", "Port"),
                              QCoreApplication::translate("SerialDevicesGroup", "State"),
                              QCoreApplication::translate("SerialDevicesGroup", "Device")});
    m_table->setRootIsDecorated(false);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    for (const PortDevice& port : ports)
        new QTreeWidgetItem(m_table, {QString::fromStdString(SerialPortName(port.portNumber)), StateText(port),
                                      QString::fromStdString(port.device)});
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->header()->setStretchLastSection(true);
    m_table->setTextElideMode(Qt::ElideMiddle);
    // All sixteen rows at once: the table is the point of the group.
    m_table->setMinimumHeight(m_table->sizeHintForRow(0) * (int(ports.size()) + 1) +
                              m_table->header()->sizeHint().height() + 2 * m_table->frameWidth());
    m_table->setAccessibleName(QCoreApplication::translate("SerialDevicesGroup", "Serial Devices"));
    layout->addWidget(m_table);

    m_deviceList = new QComboBox(this);
    m_deviceList->setObjectName(QStringLiteral("deviceList"));
    m_deviceList->setEditable(true);
    m_deviceList->addItem(QString());
    for (const FoundSerialDevice& device : devices) {
        const QString path = QString::fromStdString(device.path);
        const bool stable = device.path != "/dev/" + device.kernelName;
        m_deviceList->addItem(
            stable ? path + QStringLiteral(" (") + QString::fromStdString(device.kernelName) + ')' : path, path);
    }
    m_deviceList->setToolTip(
        QCoreApplication::translate("SerialDevicesGroup", "Leave empty to keep the port's device"));
    auto* form = new QFormLayout;
    auto* label = new QLabel(QCoreApplication::translate("SerialDevicesGroup", "Device for the port"), this);
    label->setBuddy(m_deviceList);
    form->addRow(label, m_deviceList);
    layout->addLayout(form);
}

void SerialDevicesGroup::ShowPort(int portIndex) {
    for (int row = 0; row < m_table->topLevelItemCount(); ++row) {
        QFont font = m_table->topLevelItem(row)->font(0);
        font.setBold(row == portIndex);
        for (int column = 0; column < m_table->columnCount(); ++column)
            m_table->topLevelItem(row)->setFont(column, font);
    }
}

QString SerialDevicesGroup::ChosenDevice() const {
    const int index = m_deviceList->currentIndex();
    // A listed device stands for its path; a typed one for itself.
    if (index > 0 && m_deviceList->currentText() == m_deviceList->itemText(index))
        return m_deviceList->itemData(index).toString();
    return m_deviceList->currentText().trimmed();
}

} // namespace vorlane::ui
