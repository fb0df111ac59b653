#pragma once
// The editor's side of the safety net around channel-file uploads. "Upload to STB" with a channel file asks for
// the safety steps (back up first, remembered in the profile; verify after) and runs them as one sequence; File >
// "Restore Receiver Backup..." uploads a chosen backup with the same verify. Other files go up as before.

#include "loader/safe_upload.h"

#include <QTimer>
#include <functional>

class QWidget;

namespace vorlane {

class OwnerDispatcher;
class SerialPort;
class SettingsStore;
class Transfer;
class TransferCommands;
class TransferCommandsUi;

// The profile entry of "Back up the receiver's channel list first".
inline constexpr std::string_view kBackupSection = "Backup";
inline constexpr std::string_view kBackUpFirstEntry = "BackUpFirst";

class ReceiverSafetyFlow {
public:
    // `view` parents the dialogs; all must outlive the flow. `transfer` is the one `commands` drives on `port`.
    ReceiverSafetyFlow(QWidget& view, SettingsStore& store, TransferCommandsUi& ui, TransferCommands& commands,
                       Transfer& transfer, OwnerDispatcher& dispatcher, const SerialPort& port);

    // "Upload to STB". True when an upload or its sequence started.
    [[nodiscard]] bool OnUploadStb();
    // File > "Restore Receiver Backup...". True when the chosen backup's upload started.
    [[nodiscard]] bool OnRestoreBackup();

    const SafeUpload& Sequence() const { return m_sequence; }
    // Runs after every look at the receiver's answer, which may end the sequence's transfer.
    void SetAfterCheck(std::function<void()> afterCheck) { m_afterCheck = std::move(afterCheck); }

private:
    [[nodiscard]] bool RunSequence(const SafeUploadPlan& plan);

    QWidget& m_view;
    SettingsStore& mStore;
    TransferCommandsUi& m_ui;
    TransferCommands& m_commands;
    const SerialPort& m_port;
    SafeUpload m_sequence;
    // Looks after a receiver that does not answer a download request while the sequence runs.
    QTimer m_answerCheck;
    std::function<void()> m_afterCheck;
};

} // namespace vorlane
