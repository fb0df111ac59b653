#include "shell/loader_com_setting_dialog.h"

#include "loader/connection.h"
#include "platform/widgets/user_prompts.h"
#include "shell/loader_controls.h"
#include "shell/serial_devices_group.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

QComboBox* MakeList(const QStringList& items, std::uint32_t index, const char* objectName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->addItems(items);
    list->setCurrentIndex(int(index));
    return list;
}

} // namespace

ComSettingDialog::ComSettingDialog(std::uint32_t portIndex, std::uint32_t speedIndex,
                                   const std::function<std::string(int portNumber)>& devicePath,
                                   const std::vector<FoundSerialDevice>& devices, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("ComSettingDialog", "COM Setting"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QCoreApplication::translate("ComSettingDialog", "COM Setting"), this);
    group->setObjectName(QStringLiteral("comSettingGroup"));
    auto* grid = new QGridLayout(group);

    m_portList = MakeList(PortListItems(), portIndex, "portList", group);
    for (int row = 0; row < m_portList->count(); ++row)
        m_portList->setItemData(row, QString::fromStdString(devicePath(row + 1)), Qt::ToolTipRole);
    m_speedList = MakeList(SpeedListItems(), speedIndex, "speedList", group);

    auto* portLabel = new QLabel(QCoreApplication::translate("ComSettingDialog", "Port"), group);
    portLabel->setBuddy(m_portList);
    auto* speedLabel = new QLabel(QCoreApplication::translate("ComSettingDialog", "Speed"), group);
    speedLabel->setBuddy(m_speedList);
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(m_portList, 0, 1);
    grid->addWidget(speedLabel, 1, 0);
    grid->addWidget(m_speedList, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);

    m_devices = new SerialDevicesGroup(PortDeviceTable(devicePath), devices, this);
    m_devices->ShowPort(m_portList->currentIndex());
    connect(m_portList, &QComboBox::currentIndexChanged, m_devices, &SerialDevicesGroup::ShowPort);
    layout->addWidget(m_devices);

    auto* set = new QPushButton(QCoreApplication::translate("ComSettingDialog", "Set"), this);
    set->setObjectName(QStringLiteral("setButton"));
    set->setDefault(true);
    connect(set, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(set);
    layout->addLayout(buttonRow);
    setMinimumWidth(520);
}

std::uint32_t ComSettingDialog::PortIndex() const {
    return std::uint32_t(m_portList->currentIndex());
}

std::uint32_t ComSettingDialog::SpeedIndex() const {
    return std::uint32_t(m_speedList->currentIndex());
}

QString ComSettingDialog::ChosenDevice() const {
    return m_devices->ChosenDevice();
}

bool RunComSettingDialog(Connection& connection, QWidget* parent) {
    const SerialSettings& settings = connection.Settings();
    ComSettingDialog dialog(
        settings.comport, settings.bart, [&connection](int portNumber) { return connection.DevicePath(portNumber); },
        FindSerialDevices(), parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    const QString device = dialog.ChosenDevice();
    if (!device.isEmpty())
        connection.SetDevicePath(int(dialog.PortIndex()) + 1, device.toStdString());
    return connection.SetPortAndSpeed(dialog.PortIndex(), dialog.SpeedIndex());
}

} // namespace vorlane::ui
