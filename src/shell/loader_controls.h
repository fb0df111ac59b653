#pragma once
// The loader's controls at the foot of the form: the "Connect Status" group with the status line and the progress
// bar, which stay visible, and the serial settings group ("Port", "Speed", "Set"), the five command buttons and
// the "Force Mode" box, which are hidden (the user reaches the loader through the Tools menu) but keep their lists
// and their enabled state up to date.

#include "loader/connection.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vorlane {
class LanguageTexts;
}

namespace vorlane::ui {

class LoaderProgressBar;

// "COM1" to "COM16" and the sixteen line speeds, as the port and speed lists show them.
QStringList PortListItems();
QStringList SpeedListItems();

class LoaderControls : public QWidget {
public:
    // Tool tips and the "Force Mode" caption come from `texts`; the status line starts as "Disconnected".
    LoaderControls(const LanguageTexts& texts, QWidget* parent = nullptr);

    void ShowStatusLine(const QString& text);
    QString StatusLine() const;
    void ShowControls(const ConnectionControls& controls);
    // The port and speed lists show these indexes.
    void ShowPortAndSpeed(std::uint32_t portIndex, std::uint32_t speedIndex);
    std::uint32_t ChosenPort() const;
    std::uint32_t ChosenSpeed() const;
    bool ForceMode() const;

    LoaderProgressBar& ProgressBar() { return *m_progressBar; }
    QGroupBox& ConnectStatusGroup() { return *m_connectStatus; }
    QGroupBox& SerialSettingGroup() { return *m_serialSetting; }
    QPushButton& AutoConnectButton() { return *m_autoConnect; }
    QPushButton& ConnectButton() { return *m_connect; }
    QPushButton& DisconnectButton() { return *m_disconnect; }
    QPushButton& SetButton() { return *m_set; }
    QPushButton& UploadButton() { return *m_upload; }
    QPushButton& DownloadButton() { return *m_download; }
    QCheckBox& ForceModeBox() { return *m_forceMode; }

private:
    QGroupBox* BuildSerialSetting(const LanguageTexts& texts);
    QWidget* BuildCommandButtons(const LanguageTexts& texts);

    QGroupBox* m_connectStatus;
    QLabel* m_statusLine;
    LoaderProgressBar* m_progressBar;
    QGroupBox* m_serialSetting = nullptr;
    QComboBox* m_portList = nullptr;
    QComboBox* m_speedList = nullptr;
    QPushButton* m_set = nullptr;
    QPushButton* m_autoConnect = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_disconnect = nullptr;
    QPushButton* m_upload = nullptr;
    QPushButton* m_download = nullptr;
    QCheckBox* m_forceMode = nullptr;
};

} // namespace vorlane::ui
