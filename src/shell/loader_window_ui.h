#pragma once
// The loader's user interface in the editor: the standard message box and the view's "Message" dialog, the note
// window (a modeless "Message" without buttons, created hidden on first need), the not-allowed and wait cursors,
// the status line, progress bar and hidden controls of the form, the file and download choices, and the modal
// "Reset your STB(s)." wait that the boot monitor's prompt can end. Every modal window goes through UserPrompts;
// received bytes are handled while one is open, because their deliveries are queued calls of the event loop.

#include "loader/transfer_commands_ui.h"

#include <QString>

#include <memory>

class QWidget;

namespace vorlane {
class Connection;
class TransferCommands;
} // namespace vorlane

namespace vorlane::ui {

class LoaderControls;
class MessageDialog;

// "BIN Files (*.bin)|*.bin|..." as a file dialog filter: "BIN Files (*.bin);;...".
QString FileDialogFilter(std::string_view filter);
// A name typed without an extension gets the first three characters of the default extension ("name.BIN").
QString WithDefaultExtension(const QString& path, std::string_view defaultExtension);

class LoaderWindowUi final : public TransferCommandsUi {
public:
    // `window` is the view: the parent of the windows and what is repainted; `messages` is its "Message" dialog.
    LoaderWindowUi(QWidget& window, LoaderControls& controls, MessageDialog& messages);
    ~LoaderWindowUi() override;
    LoaderWindowUi(const LoaderWindowUi&) = delete;
    LoaderWindowUi& operator=(const LoaderWindowUi&) = delete;

    // Where progress reports go and what the form's lists are read back into; both may be null.
    void SetCommands(TransferCommands* commands) { m_commands = commands; }
    void SetConnection(Connection* connection) { m_connection = connection; }

    // The note window, once it was needed.
    MessageDialog* NoteWindowIfAny() const { return m_note.get(); }

    // LoaderUi
    void ShowMessageBox(const std::string& text) override;
    MessageButton ShowMessage(const std::string& text, MessageMode mode) override;
    void ShowNotAllowedCursor() override;
    void RestoreCursor() override;
    void BeginProgress(int blocks, const std::string& path, const std::string& action) override;
    void ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) override;
    void ShowNote(const std::string& text) override;
    void HideNote() override;
    MessageButton RunModalWait(const std::string& text) override;
    void EndModalWait(MessageButton result) override;

    // TransferCommandsUi
    bool ChooseFile(const FileDialogRequest& request, std::string& path) override;
    bool ChooseDownload(int& choice) override;
    bool ReadForceModeBox() override;
    void ShowProgressBar(const ProgressBarState& bar) override;
    void ShowStatusLine(const std::string& text) override;
    void ShowControls(const ConnectionControls& controls) override;
    void BringToFront() override;
    void RepaintNow() override;
    void ShowWaitCursor() override;

private:
    MessageDialog& NoteWindow();

    QWidget& m_window;
    LoaderControls& m_controls;
    MessageDialog& m_messages;
    std::unique_ptr<MessageDialog> m_note;
    TransferCommands* m_commands = nullptr;
    Connection* m_connection = nullptr;
    int m_cursorDepth = 0; // override cursors set here and not yet restored
    bool m_modalWaitRuns = false;
};

} // namespace vorlane::ui
