#pragma once
// The main view's connection to the receiver: the serial settings (read once at the start, stored once at the
// end), connecting the chosen port, searching the ports for a receiver that identifies itself, disconnecting,
// the status line texts and which connection commands are enabled. The view owns one Connection and mirrors
// its status text and controls; questions to the user go through LoaderUi.

#include "loader/connection_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

class LanguageTexts;
class LoaderUi;
class SerialPort;
class SettingsStore;

// The fixed pauses of connecting and searching. Tests shorten the ones that only cost time.
struct ConnectionPauses {
    std::uint32_t beforeSearchMs = 2000; // before the first port is tried
    std::uint32_t beforeOpenMs = 200;    // before a port is opened
    std::uint32_t beforeReplyMs = 200;   // after the wake-up, before the identification is awaited
    std::uint32_t replyWindowMs = 500;   // how long a port has to show the identification
};

// Which connection commands are enabled, for the view's buttons and the Connect Status menu alike.
struct ConnectionControls {
    bool autoConnect = true;
    bool connect = true;
    bool disconnect = false;
    bool set = true;
    bool upload = false;
    bool download = false;

    bool operator==(const ConnectionControls&) const = default;
};

ConnectionControls ConnectionControlsFor(bool portOpen);

// The protocol state that connecting and disconnecting reset; implemented by the transfer code.
class TransferControl {
public:
    virtual ~TransferControl() = default;
    virtual void SetTransferIdle() = 0;
    virtual bool IsTransferIdle() const = 0;
    virtual void ClearMonitorLines() = 0;
    // Ends a running break-in sender (its flag is cleared); nothing when none runs.
    virtual void StopBreakIn() = 0;
};

// A status line text: "%s  %s" of the blank entry 16 and entry `entry`.
std::string StatusLineText(const LanguageTexts& texts, int entry);

// The six bytes a receiver's identification text contains.
inline constexpr std::string_view kReceiverIdentification = "KX70RS";

class Connection {
public:
    // The port must have been created; all four must outlive the connection.
    Connection(SerialPort& port, SettingsStore& store, const LanguageTexts& texts, LoaderUi& ui,
               ConnectionPauses pauses = {});
    // Finish, if that was not done.
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Without one, the transfer state counts as idle and there is nothing to reset.
    void SetTransferControl(TransferControl* transfer) { m_transfer = transfer; }

    // At the view's first update: status "Disconnected" and the settings read from the store.
    void Start();
    // At the view's end: closes the port and stores the eight settings. Only the first call after Start acts,
    // so the user's settings are never overwritten with values that were not read first.
    void Finish();

    const SerialSettings& Settings() const { return m_settings; }
    // "Set" and the COM Setting dialog. False, and nothing changes, when an index is outside its list; callers
    // passing the form's own choice may ignore it.
    bool SetPortAndSpeed(std::uint32_t portIndex, std::uint32_t speedIndex);
    // The device of port 1-16: the VORLANE_SERIAL_DIR link, the stored "Devices/COMn" path or the built-in one.
    std::string DevicePath(int portNumber) const;
    // Stores the device of port 1-16 as its "Devices/COMn"; used from the next connect on. True when stored.
    bool SetDevicePath(int portNumber, const std::string& path);

    // Opens the port of the current settings; a message box names the port that cannot be used.
    [[nodiscard]] bool ConnectPort();
    // Closes the port if it is open and returns the transfer to idle.
    void DisconnectPort();
    // Tries ports 16 down to 1 and keeps the first whose receiver identifies itself open. True when one was
    // found, false (port closed) when none.
    [[nodiscard]] bool SearchPort();

    // The Connect, Auto Connect and Disconnect commands of the buttons, menu and toolbar, with their status.
    [[nodiscard]] bool ConnectCommand();
    [[nodiscard]] bool AutoConnectCommand();
    void DisconnectCommand();

    ConnectionControls Controls() const;
    const std::string& StatusText() const { return m_statusText; }
    // Puts status `entry` on the status line, for the transfer's own status changes.
    void ShowStatus(int entry) { SetStatus(entry); }

private:
    bool FinishConnectCommand(bool connected);
    // Reads during the reply window until the identification shows up; true when it did.
    bool AwaitIdentification();
    bool IsTransferIdle() const;
    void SetStatus(int entry);

    SerialPort& m_port;
    SettingsStore& mStore;
    const LanguageTexts& m_texts;
    LoaderUi& m_ui;
    ConnectionPauses m_pauses;
    TransferControl* m_transfer = nullptr;
    SerialSettings m_settings;
    std::string m_statusText;
    bool m_started = false;
    bool m_finished = false;
};

} // namespace vorlane
