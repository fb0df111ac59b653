#pragma once
// The progress of a transfer as the user sees it: the status line when it begins, the bar with its caption
// ("%d%%", or the erasing note in green), the place of the block in an upload ("  (2/3)"), and the modal
// completion and error reports that give the loader's buttons back.

#include "loader/transfer_commands_ui.h"

#include <functional>
#include <string>

namespace vorlane {

class LanguageTexts;
class SerialPort;

enum class TransferOutcome { None, Completed, Failed };

// "  (%d/%d)" while an upload runs, otherwise nothing.
std::string UploadPositionCaption(const UploadPosition& upload);

// (value - lower) / (upper - lower) x 100, truncated toward zero; an empty range counts as done (100).
int ProgressPercent(int value, int lower, int upper);

class TransferProgress {
public:
    // All three must outlive the progress.
    TransferProgress(const LanguageTexts& texts, TransferCommandsUi& ui, const SerialPort& port)
        : m_texts(texts), m_ui(ui), m_port(port) {}

    // A transfer of `blocks` packets begins: the status line shows the action, the bar starts empty.
    void Begin(int blocks, const std::string& path, const std::string& action);
    // An empty text stands for the standard completion or error text.
    void Report(const ProgressStep& step, const std::string& text, const UploadPosition& upload);

    // While set, a transfer's end goes to the handler instead of the modal report, so that a sequence of
    // transfers reports once, at its end. An empty handler brings the report back.
    using EndHandler = std::function<void(TransferOutcome outcome, const std::string& message)>;
    void SetEndHandler(EndHandler handler) { m_endHandler = std::move(handler); }
    // The end of a transfer: the modal completion or error report with `message`, then the loader's buttons.
    void Finish(TransferOutcome outcome, const std::string& message);

    // How the last transfer ended; None until it reported completion or an error.
    TransferOutcome Outcome() const { return m_outcome; }
    void ClearOutcome() { m_outcome = TransferOutcome::None; }

private:
    const LanguageTexts& m_texts;
    TransferCommandsUi& m_ui;
    const SerialPort& m_port;
    ProgressBarState m_bar;
    TransferOutcome m_outcome = TransferOutcome::None;
    EndHandler m_endHandler;
};

} // namespace vorlane
