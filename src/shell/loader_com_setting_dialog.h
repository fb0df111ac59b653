#pragma once
// "COM Setting": the port ("COM1" to "COM16", each with the device it stands for as its tool tip) and the line speed
// of the loader, preset from the current choice; "Set" closes it with OK.

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QComboBox;

namespace vorlane {
class Connection;
}

namespace vorlane::ui {

class ComSettingDialog : public QDialog {
public:
    // `devicePath` gives the device of port number 1 to 16.
    ComSettingDialog(std::uint32_t portIndex, std::uint32_t speedIndex,
                     const std::function<std::string(int portNumber)>& devicePath, QWidget* parent = nullptr);

    std::uint32_t portIndex() const;
    std::uint32_t speedIndex() const;

private:
    QComboBox* m_portList;
    QComboBox* m_speedList;
};

// Opens the dialog over the connection's port and speed; OK gives both back to the connection. Returns 1 on OK,
// 0 when the dialog was closed any other way (nothing changes then).
int RunComSettingDialog(Connection& connection, QWidget* parent);

} // namespace vorlane::ui
