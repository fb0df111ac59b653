#pragma once
// The view's loader: the serial port (receive queue 40,960 bytes, transmit queue 4,096), the connection with its
// serial settings, the transfer protocol and the upload and download commands, wired to the form's loader
// controls and to the windows of LoaderWindowUi. The view's buttons, the frame's Connect Status commands and its
// toolbar all run the handlers here.

#include "loader/connection.h"
#include "loader/serial_port.h"
#include "loader/transfer.h"
#include "loader/transfer_commands.h"
#include "shell/loader_owner_dispatcher.h"
#include "shell/loader_window_ui.h"
#include "shell/receiver_safety_flow.h"

namespace vorlane {

class LanguageTexts;
class SettingsStore;

namespace ui {
class LoaderControls;
class MessageDialog;
} // namespace ui

// The pauses of connecting and of the transfer; tests shorten those that only cost time.
struct LoaderPauses {
    ConnectionPauses connection;
    TransferPauses transfer;
};

class LoaderLink {
public:
    // `view` parents the loader's windows; `messages` is the view's "Message" dialog. All must outlive the link.
    LoaderLink(QWidget& view, ui::LoaderControls& controls, ui::MessageDialog& messages, SettingsStore& store,
               const LanguageTexts& texts, LoaderPauses pauses = {});
    // Finish, if that was not done.
    ~LoaderLink();
    LoaderLink(const LoaderLink&) = delete;
    LoaderLink& operator=(const LoaderLink&) = delete;

    // The view's first update: the serial settings read, status "Disconnected", the lists and buttons set.
    void Start();
    // The view's end: the port closed and the serial settings stored.
    void Finish();

    // The loader's commands, as buttons 1019-1023 and 1025, Tools > Connect Status and the toolbar run them. Each
    // answers true when it connected or started its transfer; the form and its messages show the outcome either way.
    bool OnAutoConnect();
    bool OnConnect();
    void OnDisconnect();
    bool OnUploadStb();
    bool OnDownloadPc();
    // File > "Restore Receiver Backup...".
    bool OnRestoreBackup();
    // "Set": the port and speed lists of the form become the settings.
    void OnSet();
    // "COM Setting": the dialog over the port and speed; OK updates the form's lists. True on OK.
    bool OnComSetting();

    bool IsPortOpen() const { return m_port.IsOpen(); }
    bool IsTransferRunning() const { return m_transfer.IsTransferRunning(); }
    // Which Connect Status commands are enabled now (menu and toolbar).
    ConnectionControls MenuControls() const { return m_connection.Controls(); }

    // Told the port's and the transfer's state after every command and every delivery that may have changed it.
    void SetStateObserver(std::function<void(bool portOpen, bool transferRunning)> observer);

    Connection& SerialConnection() { return m_connection; }
    Transfer& LinkTransfer() { return m_transfer; }
    TransferCommands& Commands() { return m_commands; }
    const SafeUpload& SafetySequence() const { return m_safety.Sequence(); }

private:
    // The connection's status line and enabled buttons onto the form.
    void ShowConnectionState();
    void TellState() const;

    QWidget& m_view;
    ui::LoaderControls& m_controls;
    ui::QtOwnerDispatcher m_dispatcher;
    ui::LoaderWindowUi m_ui;
    SerialPort m_port;
    Connection m_connection;
    Transfer m_transfer;
    TransferCommands m_commands;
    ReceiverSafetyFlow m_safety;
    std::function<void(bool, bool)> m_stateObserver;
};

} // namespace vorlane
