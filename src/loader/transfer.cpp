#include "loader/transfer.h"

#include "loader/connection_wake_up.h"
#include "loader/language_texts.h"
#include "loader/loader_ui.h"
#include "loader/serial_port.h"
#include "loader/transfer_protocol_bytes.h"
#include "loader/transfer_requests.h"
#include "platform/clock.h"

#include <memory>

namespace vorlane {
namespace {

using namespace transfer_protocol;

constexpr std::uint8_t kFirstUploadMarkerKind = 0x22;
constexpr std::uint8_t kLastUploadMarkerKind = 0x25;
constexpr std::size_t kMarkerLength = 4;

bool IsUploadMarker(std::span<const std::uint8_t> line) {
    return line[0] == kFrameFirst && line[1] == kFrameSecond && line[2] == kDownloadCommand &&
           line[3] >= kFirstUploadMarkerKind && line[3] <= kLastUploadMarkerKind;
}

bool IsDownloadMarker(std::span<const std::uint8_t> line) {
    return line[0] == kAck && line[1] == kFrameFirst;
}

} // namespace

Transfer::Transfer(SerialPort& port, OwnerDispatcher& dispatcher, const LanguageTexts& texts, LoaderUi& ui,
                   const SerialSettings& settings, TransferPauses pauses)
    : m_port(port), m_texts(texts), m_ui(ui), m_settings(settings), m_pauses(pauses), m_line(port),
      m_breakIn(port, dispatcher) {}

Transfer::~Transfer() = default;

bool Transfer::SendWakeUp() {
    return vorlane::SendWakeUp(m_port);
}

bool Transfer::RequestSendFile(std::uint32_t transferClass) {
    return vorlane::RequestSendFile(m_line, transferClass);
}

bool Transfer::RequestDownload(int receiveFileType) {
    return vorlane::RequestDownload(m_line, receiveFileType);
}

void Transfer::OnSerialData(SerialPort& port) {
    // A buffer per delivery: a modal report inside the handling may take further deliveries meanwhile.
    // Left uninitialised, as most deliveries carry a few bytes only.
    const auto received = std::make_unique_for_overwrite<std::uint8_t[]>(port.ReceiveQueueSize() + 1);
    const std::size_t count = port.GetReceived(received.get());
    HandleReceived(ConstByteSpan(received.get(), count));
}

void Transfer::HandleReceived(ConstByteSpan bytes) {
    if (m_handlingDelivery) {
        m_heldDeliveries.emplace_back(bytes.begin(), bytes.end());
        return;
    }
    m_handlingDelivery = true;
    HandleDelivery(bytes);
    while (!m_heldDeliveries.empty()) {
        const std::vector<std::uint8_t> held = std::move(m_heldDeliveries.front());
        m_heldDeliveries.pop_front();
        HandleDelivery(held);
    }
    m_handlingDelivery = false;
}

void Transfer::HandleDelivery(ConstByteSpan bytes) {
    for (const std::uint8_t byte : bytes) {
        switch (m_state) {
        case TransferState::UploadStart:
        case TransferState::UploadAwaitAck:
        case TransferState::UploadAwaitReady:
            Upload(byte);
            break;
        case TransferState::DownloadSizeFirst:
        case TransferState::DownloadSize:
        case TransferState::DownloadData:
            Download(byte);
            break;
        case TransferState::Idle:
            m_lines.Add(byte);
            NoteMonitorPrompt();
            break;
        }
    }
    ExamineCurrentLine();
    // Taken after the pauses the handling may have slept, so they never count as the receiver's silence.
    m_lastDeliveryHandledMs = TickCountMs();
}

// A marker counts only while it still begins the current line at the end of a delivery. Blanking it keeps
// the same line from starting a transfer again when later deliveries examine it.
void Transfer::ExamineCurrentLine() {
    const std::span<const std::uint8_t> line = m_lines.CurrentLine();
    if (m_state == TransferState::Idle && IsUploadMarker(line) && HasEntryToSend()) {
        m_line.SendByte(kAck);
        m_line.SendByte(kFrameFirst);
        m_lines.BlankStart(kMarkerLength);
        m_state = TransferState::UploadStart;
    } else if (m_state == TransferState::Idle && IsDownloadMarker(line)) {
        m_line.SendByte(kAck);
        m_lines.BlankStart(kMarkerLength);
        m_state = TransferState::DownloadSizeFirst;
    } else if (m_forceMode) {
        CheckMonitorPrompt();
    }
}

void Transfer::OnSerialConnectionLost(SerialPort& port) {
    const bool transferring = m_state != TransferState::Idle;
    m_breakIn.Stop();
    SetTransferIdle();
    port.Close();
    if (m_awaitingMonitor)
        m_ui.EndModalWait(MessageButton::Cancel);
    if (m_hooks.connectionLost)
        m_hooks.connectionLost();
    if (transferring)
        ReportProgress({ProgressEvent::Error});
}

void Transfer::SetTransferIdle() {
    m_downloadSink->Discard();
    m_state = TransferState::Idle;
    m_transferStarted = false;
    m_filePath.clear();
    m_downloadPath.clear();
    FreeUploadEntries();
    m_heldDeliveries.clear();
}

void Transfer::FreeUploadEntries() {
    m_srcData.Clear();
    m_curSrcData = 0;
}

void Transfer::ReportProgress(const ProgressStep& step, const std::string& text) {
    UploadPosition position;
    position.uploading = m_state == TransferState::UploadStart || m_state == TransferState::UploadAwaitAck ||
                         m_state == TransferState::UploadAwaitReady;
    position.entryNumber = static_cast<int>(m_curSrcData) + 1;
    position.entryCount = static_cast<int>(m_srcData.Count());
    m_ui.ReportProgress(step, text, position);
}

std::string Transfer::Text(int entry) const {
    return m_texts.GetText(entry);
}

void Transfer::ShowStatus(int entry) {
    if (m_hooks.showStatus)
        m_hooks.showStatus(entry);
}

} // namespace vorlane
