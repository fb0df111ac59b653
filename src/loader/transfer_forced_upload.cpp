// The forced upload's break-in: "xxxx" goes out until the boot monitor's prompt shows at the beginning of the
// receiver's current line, while the user is asked to restart the receiver.

#include "loader/loader_ui.h"
#include "loader/transfer.h"
#include "loader/transfer_texts.h"
#include "platform/trace.h"

namespace vorlane {
namespace {

constexpr char kMonitorPrompt[] = "[d-MON]";
constexpr char kLeaveMonitorPrompt[] = "q\r";
constexpr MessageButton kWaitEndedByPrompt = MessageButton::Ok;
constexpr MessageButton kWaitClosedByUser = MessageButton::Cancel;

} // namespace

bool Transfer::StartForcedUpload() {
    ShowStatus(transfer_text::kTryingMonitor);
    MessageButton result = MessageButton::None;
    if (m_breakIn.Start([this](const std::string& text) { OnBreakInDone(text); })) {
        m_awaitingMonitor = true;
        result = m_ui.RunModalWait(Text(transfer_text::kResetYourStb));
        m_awaitingMonitor = false;
    }
    if (result == kWaitEndedByPrompt) {
        ShowStatus(transfer_text::kConnected);
        m_transferStarted = true;
        return true;
    }
    if (result == kWaitClosedByUser) {
        DebugOut("\nOut!!\n");
        m_breakIn.Stop();
    }
    // Given up: the list stays loaded for a marker the receiver may still send, but the path is forgotten.
    m_filePath.clear();
    return false;
}

void Transfer::NoteMonitorPrompt() {
    if (m_awaitingMonitor && m_lines.CurrentLineStartsWith(kMonitorPrompt))
        m_promptSeen = true;
}

void Transfer::CheckMonitorPrompt() {
    const bool promptSeen = m_promptSeen || m_lines.CurrentLineStartsWith(kMonitorPrompt);
    m_promptSeen = false;
    if (!promptSeen)
        return;
    if (m_breakIn.IsSending() && m_awaitingMonitor)
        m_ui.EndModalWait(kWaitEndedByPrompt);
    m_breakIn.Stop();
    ShowStatus(transfer_text::kConnectedWithMonitor);
}

// kUmBreakinDone: the sender has written its carriage returns; the monitor is left for the upload request.
void Transfer::OnBreakInDone(const std::string& /*text*/) {
    m_line.SendString(kLeaveMonitorPrompt);
}

} // namespace vorlane
