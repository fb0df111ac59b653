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
constexpr int kWaitEndedByPrompt = 1;
constexpr int kWaitClosedByUser = 2;

} // namespace

int Transfer::StartForcedUpload() {
    ShowStatus(transfer_text::kTryingMonitor);
    if (!m_breakIn.Start([this](const std::string& text) { OnBreakInDone(text); }))
        return 0;
    m_awaitingMonitor = true;
    const int result = m_ui.RunModalWait(Text(transfer_text::kResetYourStb));
    m_awaitingMonitor = false;
    if (result == kWaitEndedByPrompt) {
        ShowStatus(transfer_text::kConnected);
        return 1;
    }
    if (result == kWaitClosedByUser) {
        DebugOut("\nOut!!\n");
        m_breakIn.Stop();
    }
    return 0;
}

void Transfer::CheckMonitorPrompt() {
    if (!m_lines.CurrentLineStartsWith(kMonitorPrompt))
        return;
    if (m_breakIn.IsSending() && m_awaitingMonitor)
        m_ui.EndModalWait(kWaitEndedByPrompt);
    m_breakIn.Stop();
    ShowStatus(transfer_text::kConnectedWithMonitor);
}

// UM_BREAKIN_DONE: the sender has written its carriage returns; the monitor is left for the upload request.
void Transfer::OnBreakInDone(const std::string& /*text*/) {
    m_line.SendString(kLeaveMonitorPrompt);
}

} // namespace vorlane
