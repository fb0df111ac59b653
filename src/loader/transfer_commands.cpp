#include "loader/transfer_commands.h"

#include "blockfile/upload_classifier.h"
#include "loader/connection.h"
#include "loader/language_texts.h"
#include "loader/serial_port.h"
#include "loader/transfer.h"
#include "loader/transfer_commands_file_choice.h"
#include "loader/transfer_texts.h"
#include "platform/trace.h"

namespace vorlane {
namespace {

bool HasEmptyEntry(const BlockTable& entries) {
    for (std::size_t index = 0; index < entries.Count(); ++index)
        if (entries[index].size() == 0)
            return true;
    return false;
}

} // namespace

TransferCommands::TransferCommands(Transfer& transfer, SerialPort& port, Connection& connection, SettingsStore& store,
                                   const LanguageTexts& texts, TransferCommandsUi& ui)
    : m_transfer(transfer), m_port(port), m_connection(connection), mStore(store), m_texts(texts), m_ui(ui),
      m_progress(texts, ui, port) {
    TransferHooks hooks;
    hooks.chooseDownloadFile = [this](std::string& path) { return ChooseDownloadFile(path); };
    hooks.showStatus = [this](int entry) { ShowStatus(entry); };
    hooks.connectionLost = [this] {
        ShowStatus(transfer_text::kDisconnected);
        m_ui.ShowControls(m_connection.Controls());
    };
    m_transfer.SetHooks(std::move(hooks));
}

bool TransferCommands::OnBtnUploadStb() {
    std::string path;
    return ChooseUploadFile(path) && UploadChosenFile(path);
}

bool TransferCommands::ChooseUploadFile(std::string& path) {
    // One transfer at a time: a second command would free the entries the running upload sends.
    if (!m_port.IsOpen() || m_transfer.IsTransferRunning())
        return false;
    m_progress.ClearOutcome();
    if (!ChooseTransferFile(mStore, m_ui, FileDialogKind::Open, path)) {
        m_transfer.SetFilePath({});
        return false;
    }
    return true;
}

bool TransferCommands::UploadChosenFile(const std::string& path) {
    if (!m_port.IsOpen() || m_transfer.IsTransferRunning())
        return false;
    m_progress.ClearOutcome();
    m_transfer.SetFilePath(path);
    if (!LoadUploadFile()) {
        // A path left behind would be taken by a download the receiver starts later, over the refused file.
        m_transfer.SetFilePath({});
        m_ui.ShowMessage(m_texts.GetText(transfer_text::kNotAcceptable), MessageMode::Ok);
        return false;
    }
    if (m_ui.ReadForceModeBox()) {
        DebugOut("Emergency mode\n");
        m_transfer.SetForceMode(true);
    }

    m_ui.ShowNotAllowedCursor();
    bool started = false;
    if (m_transfer.ForceMode()) {
        started = m_transfer.StartForcedUpload();
    } else {
        m_ui.ShowNote(m_texts.GetText(transfer_text::kTryingToConnect));
        m_ui.RepaintNow();
        m_transfer.SendWakeUp();
        DebugOut("OnBtnUploadStb\n");
        const BlockTable& entries = m_transfer.SrcData();
        started = m_transfer.RequestSendFile(static_cast<std::uint32_t>(entries[m_transfer.CurSrcData()].EntryClass()));
        if (!started) {
            m_ui.RestoreCursor();
            EndUnsentRequest();
            return false;
        }
        m_transfer.MarkTransferStarted();
    }
    m_ui.RestoreCursor();
    ShowTransferRunning();
    return started;
}

bool TransferCommands::LoadUploadFile() {
    m_transfer.FreeUploadEntries();
    UploadRefusal refusal = UploadRefusal::None;
    bool accepted = vorlane::LoadUploadFile(m_transfer.FilePath(), m_transfer.SrcData(), &refusal);
    if (refusal == UploadRefusal::CannotOpen)
        m_ui.ShowMessageBox(m_texts.GetText(transfer_text::kCannotOpenFile));
    // The file is read as a block file first, which sets ForceMode; only a file taken whole clears it again.
    // A file that could not be read leaves it as it was.
    if (accepted)
        m_transfer.SetForceMode(m_transfer.SrcData().BlockFileFlag());
    else if (refusal == UploadRefusal::NotAcceptable)
        m_transfer.SetForceMode(true);
    // An empty entry would go out as a size of 0 and a packet of only its sum.
    if (accepted && HasEmptyEntry(m_transfer.SrcData())) {
        m_transfer.FreeUploadEntries();
        accepted = false;
    }
    return accepted;
}

bool TransferCommands::OnBtnDownloadPc() {
    if (m_transfer.IsTransferRunning())
        return false;
    m_transfer.FreeUploadEntries();
    if (!m_port.IsOpen())
        return false;
    m_progress.ClearOutcome();
    int choice = 0;
    if (!m_ui.ChooseDownload(choice))
        return false;
    m_transfer.SetReceiveFileType(choice);
    DebugOut("m_nReceiveFileType =%d\n", choice);
    std::string path;
    const bool chosen = ChooseDownloadFile(path);
    m_transfer.SetDownloadPath(path);
    if (!chosen)
        return false;
    return StartDownload(choice, path);
}

bool TransferCommands::StartDownload(int choice, const std::string& path) {
    if (!m_port.IsOpen() || m_transfer.IsTransferRunning())
        return false;
    m_transfer.FreeUploadEntries();
    m_progress.ClearOutcome();
    m_transfer.SetReceiveFileType(choice);
    m_transfer.SetDownloadPath(path);
    ShowTransferRunning();
    m_ui.ShowWaitCursor();
    m_ui.ShowNote(m_texts.GetText(transfer_text::kTryingToConnect));
    m_ui.RepaintNow();
    m_transfer.SendWakeUp();
    DebugOut("OnBtnDownloadPc\n");
    const bool requested = m_transfer.RequestDownload(choice);
    m_ui.RestoreCursor();
    if (!requested) {
        EndUnsentRequest();
        return false;
    }
    m_transfer.MarkTransferStarted();
    return true;
}

bool TransferCommands::ChooseDownloadFile(std::string& path) {
    return ChooseTransferFile(mStore, m_ui, FileDialogKind::SaveAs, path);
}

void TransferCommands::BeginProgress(int blocks, const std::string& path, const std::string& action) {
    m_progress.Begin(blocks, path, action);
}

void TransferCommands::ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) {
    m_progress.Report(step, text, upload);
}

// "Set", "Upload to STB" and "Download to PC" stay off until the transfer reports its end. A Disconnect during
// the break-in has already closed the port; the buttons then follow the closed port.
void TransferCommands::ShowTransferRunning() {
    if (!m_port.IsOpen()) {
        m_ui.ShowControls(ConnectionControlsFor(false));
        return;
    }
    ConnectionControls controls = ConnectionControlsFor(true);
    controls.set = false;
    controls.upload = false;
    controls.download = false;
    m_ui.ShowControls(controls);
}

// A request that never went out starts nothing: the next command must not be refused as "already running".
void TransferCommands::EndUnsentRequest() {
    m_transfer.SetTransferIdle();
    m_ui.ShowControls(ConnectionControlsFor(m_port.IsOpen()));
}

void TransferCommands::ShowStatus(int entry) {
    m_connection.ShowStatus(entry);
    m_ui.ShowStatusLine(m_connection.StatusText());
}

} // namespace vorlane
