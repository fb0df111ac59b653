#pragma once
// The "Upload to STB" and "Download to PC" commands as the main view has them, shared with vorlane-cli: the
// file and download choices, loading the upload file into m_SrcData, starting a normal or a forced upload or a
// download, and the progress the transfer reports, all through TransferCommandsUi.

#include "loader/transfer_commands_progress.h"
#include "loader/transfer_commands_ui.h"

#include <string>

namespace vorlane {

class Connection;
class LanguageTexts;
class SerialPort;
class SettingsStore;
class Transfer;

class TransferCommands {
public:
    // Installs the transfer's hooks: the download file choice, its status changes and a lost device. All
    // arguments must outlive the commands; `port` is the transfer's port.
    TransferCommands(Transfer& transfer, SerialPort& port, Connection& connection, SettingsStore& store,
                     const LanguageTexts& texts, TransferCommandsUi& ui);
    TransferCommands(const TransferCommands&) = delete;
    TransferCommands& operator=(const TransferCommands&) = delete;

    // "Upload to STB". True when the receiver was asked for the upload (for a forced upload: when its boot
    // monitor answered); false when the port is closed, a dialog was cancelled, the file was refused or the user
    // gave up waiting for the monitor.
    [[nodiscard]] bool OnBtnUploadStb();
    // The first steps of "Upload to STB": with the port open, the file choice. True with the chosen `path`.
    [[nodiscard]] bool ChooseUploadFile(std::string& path);
    // "Upload to STB" from the point where `path` was chosen; returns as OnBtnUploadStb.
    [[nodiscard]] bool UploadChosenFile(const std::string& path);
    // "Download to PC". True when the receiver was asked for the download; false when the port is closed or a
    // dialog was cancelled.
    [[nodiscard]] bool OnBtnDownloadPc();
    // "Download to PC" from the point where `choice` and `path` were chosen; returns as OnBtnDownloadPc.
    [[nodiscard]] bool StartDownload(int choice, const std::string& path);

    // Reads the transfer's file path into m_SrcData; ForceMode follows the block-file flag. True when the file
    // was accepted; "Can't open the file." is shown for a file that cannot be read.
    [[nodiscard]] bool LoadUploadFile();
    // The download file choice; also asked by the transfer when a download starts without a path.
    [[nodiscard]] bool ChooseDownloadFile(std::string& path);

    // The owner's LoaderUi::BeginProgress and ReportProgress come here.
    void BeginProgress(int blocks, const std::string& path, const std::string& action);
    void ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload);

    // A sequence of transfers takes each one's end (see TransferProgress) and reports its own end once.
    void SetTransferEndHandler(TransferProgress::EndHandler handler) { m_progress.SetEndHandler(std::move(handler)); }
    void ReportTransferEnd(TransferOutcome outcome, const std::string& message) { m_progress.Finish(outcome, message); }

    // How the transfer started by the last command ended; None while it runs.
    TransferOutcome Outcome() const { return m_progress.Outcome(); }

private:
    void ShowTransferRunning();
    void EndUnsentRequest();
    void ShowStatus(int entry);

    Transfer& m_transfer;
    SerialPort& m_port;
    Connection& m_connection;
    SettingsStore& mStore;
    const LanguageTexts& m_texts;
    TransferCommandsUi& m_ui;
    TransferProgress m_progress;
};

} // namespace vorlane
