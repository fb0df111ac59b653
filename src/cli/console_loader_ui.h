#pragma once
// The loader's user interface in vorlane-cli: messages are printed as lines on standard output, questions are
// answered with OK and the dialogs with what the command line gave (the command line runs unattended), and
// there is no cursor or button to change. Progress and status go to standard error, the percentage updated in
// place on a terminal and as plain lines otherwise; the modal wait runs the command's event queue, so received
// bytes are handled meanwhile, and ends early on Ctrl+C.

#include "loader/transfer_commands_ui.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

namespace vorlane {
class EventQueueDispatcher;
class TransferCommands;
} // namespace vorlane

namespace vorlane::cli {

class ConsoleLoaderUi : public TransferCommandsUi {
public:
    // Without an event queue the modal wait gives up at once.
    explicit ConsoleLoaderUi(EventQueueDispatcher* events = nullptr);
    // Prints a status line still held back.
    ~ConsoleLoaderUi() override;
    ConsoleLoaderUi(const ConsoleLoaderUi&) = delete;
    ConsoleLoaderUi& operator=(const ConsoleLoaderUi&) = delete;

    // How long the modal wait lasts before it counts as closed by the user; none waits without limit.
    void SetWaitLimit(std::optional<std::chrono::milliseconds> limit) { m_waitLimit = limit; }
    // Where progress reports go; without commands they are dropped.
    void SetCommands(TransferCommands* commands) { m_commands = commands; }
    // The answers of the dialogs: the file for the one kind of file choice the command makes (none, and any other
    // kind, cancels: an upload's file never becomes the target of a download the receiver starts), the download
    // choice, the Force Mode box.
    void SetChosenFile(std::string path, FileDialogKind kind) {
        m_chosenFile = std::move(path);
        m_chosenFileKind = kind;
    }
    void SetDownloadChoice(int choice) { m_downloadChoice = choice; }
    void SetForceModeBox(bool checked) { m_forceModeBox = checked; }

    void ShowMessageBox(const std::string& text) override;
    MessageButton ShowMessage(const std::string& text, MessageMode mode) override;
    void ShowNotAllowedCursor() override {}
    void RestoreCursor() override {}

    void BeginProgress(int blocks, const std::string& path, const std::string& action) override;
    void ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) override;
    void ShowNote(const std::string& text) override;
    void HideNote() override { m_lastNote.clear(); }
    MessageButton RunModalWait(const std::string& text) override;
    void EndModalWait(MessageButton result) override { m_waitResult = result; }

    bool ChooseFile(const FileDialogRequest& request, std::string& path) override;
    bool ChooseDownload(int& choice) override;
    bool ReadForceModeBox() override { return m_forceModeBox; }
    void ShowProgressBar(const ProgressBarState& bar) override;
    void ShowStatusLine(const std::string& text) override;
    void ShowControls(const ConnectionControls& /*controls*/) override {}

private:
    // A line of its own; a caption still open on the terminal is ended first.
    void PrintLine(std::FILE* out, const std::string& text);
    void EndCaptionLine();
    void FlushStatus();

    EventQueueDispatcher* m_events;
    TransferCommands* m_commands = nullptr;
    std::optional<std::chrono::milliseconds> m_waitLimit;
    std::optional<MessageButton> m_waitResult;
    std::string m_chosenFile;
    FileDialogKind m_chosenFileKind = FileDialogKind::Open;
    int m_downloadChoice = 0;
    bool m_forceModeBox = false;
    bool m_progressInPlace;
    bool m_captionOpen = false; // a caption was written in place and its line not yet ended
    std::string m_lastCaption;
    std::string m_lastStatus;
    std::string m_pendingStatus;
    std::string m_lastNote;
};

} // namespace vorlane::cli
