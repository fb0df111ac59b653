#pragma once
// The byte protocol with the receiver's loader and boot monitor, as the main view owns it: the send operations,
// the markers recognised at the beginning of the receiver's current line, the upload machine that sends the
// entries of m_SrcData in checksummed packets, the download machine that receives one file, and the forced
// upload that first breaks into the boot monitor. Everything runs on the owner's thread, driven by the port's
// deliveries; only the break-in sender writes from a thread of its own.

#include "blockfile/block_table.h"
#include "loader/break_in_sender.h"
#include "loader/connection.h"
#include "loader/loader_ui.h"
#include "loader/monitor_line_ring.h"
#include "loader/serial_port_owner.h"
#include "loader/transfer_download_file.h"
#include "loader/transfer_line.h"
#include "platform/bytes.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vorlane {

class LanguageTexts;
class LoaderUi;
class OwnerDispatcher;
struct SerialSettings;

enum class TransferState : std::int32_t {
    Idle = 0,
    UploadStart = 1,
    UploadAwaitAck = 2,
    UploadAwaitReady = 3,
    DownloadSizeFirst = 6,
    DownloadSize = 7,
    DownloadData = 8,
};

// The fixed pause before the first packet of a block. Tests shorten it; the pauses after every write, of the
// wake-up and of the break-in are part of what the receiver sees and stay as they are.
struct TransferPauses {
    std::uint32_t beforeFirstPacketMs = 1500;
};

// What the transfer asks of its owner beyond the user interface. Each may be left empty.
struct TransferHooks {
    // The download file choice: sets the path and returns 1, or returns 0 when cancelled.
    std::function<bool(std::string& path)> chooseDownloadFile;
    // Shows status `entry` of the LanguageTexts on the status line.
    std::function<void(int entry)> showStatus;
    // The device went away; the port has been closed and any transfer ended.
    std::function<void()> connectionLost;
};

class Transfer : public SerialPortOwner, public TransferControl {
public:
    static constexpr std::size_t kPacketDataSize = 1024;
    static constexpr std::size_t kSumSize = 4;

    // The port is created with this transfer as its owner and the same dispatcher. `settings` gives the pauses
    // "Timeout1" and "Timeout2". All must outlive the transfer.
    Transfer(SerialPort& port, OwnerDispatcher& dispatcher, const LanguageTexts& texts, LoaderUi& ui,
             const SerialSettings& settings, TransferPauses pauses = {});
    ~Transfer() override;
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    void SetHooks(TransferHooks hooks) { m_hooks = std::move(hooks); }

    // Send operations; -1 on a closed port.
    TransferLine& Line() { return m_line; }
    // Five cycles of a line feed and 0xCC 0x55 0xEE 0xFF. True when all was written; the receiver's answer, not
    // this, tells whether it woke up.
    bool SendWakeUp();
    // RequestSendFile and RequestDownload of transfer_requests.h on this transfer's line.
    bool RequestSendFile(std::uint32_t transferClass);
    bool RequestDownload(int receiveFileType);

    // The break-in into the boot monitor, then the modal "Reset your STB(s)." wait. True when the
    // monitor's prompt ended the wait, false when the user gave up.
    [[nodiscard]] bool StartForcedUpload();

    // The bytes of one delivery, in order; then the current line is examined once. A delivery that arrives while
    // another is handled (a modal report or file choice inside the handling lets it in) waits, and is handled
    // after the interrupted one, in order.
    void HandleReceived(ConstByteSpan bytes);
    // When the handling of the last delivery ended (tickCountMs), 0 before the first.
    std::uint64_t LastDeliveryHandledMs() const { return m_lastDeliveryHandledMs; }

    // SerialPortOwner
    void OnSerialData(SerialPort& port) override;
    // A transfer in progress ends with the error report; the port is closed and the break-in stopped.
    void OnSerialConnectionLost(SerialPort& port) override;

    // TransferControl; returning to idle drops an unfinished download, ends a running upload (its path and
    // entries are forgotten) and drops deliveries that wait.
    void SetTransferIdle() override;
    bool IsTransferIdle() const override { return m_state == TransferState::Idle; }
    void ClearMonitorLines() override { m_lines.Clear(); }
    void StopBreakIn() override { m_breakIn.Stop(); }

    TransferState State() const { return m_state; }
    // A command started a transfer that has not ended, the break-in waits for the monitor, or bytes are moving.
    // Upload and Download are refused meanwhile.
    bool IsTransferRunning() const { return m_transferStarted || m_awaitingMonitor || m_state != TransferState::Idle; }
    // The upload or download command has asked the receiver; the transfer runs until its end is reported.
    void MarkTransferStarted() { m_transferStarted = true; }
    bool ForceMode() const { return m_forceMode; }
    void SetForceMode(bool forceMode) { m_forceMode = forceMode; }

    // m_SrcData: the entries to upload, in order, with the index of the one being sent (m_nCurSrcData).
    BlockTable& SrcData() { return m_srcData; }
    const BlockTable& SrcData() const { return m_srcData; }
    std::size_t CurSrcData() const { return m_curSrcData; }
    // Frees all entries; entry count and m_nCurSrcData 0.
    void FreeUploadEntries();

    // The file being uploaded or downloaded; cleared at the end of a transfer.
    const std::string& FilePath() const { return m_filePath; }
    void SetFilePath(std::string path) { m_filePath = std::move(path); }
    // The target of the download the commands asked for. Kept apart from the upload's file, so a download the
    // receiver starts while an upload is set up can never be written over the file being uploaded.
    const std::string& DownloadPath() const { return m_downloadPath; }
    void SetDownloadPath(std::string path) { m_downloadPath = std::move(path); }

    int ReceiveFileType() const { return m_receiveFileType; }
    void SetReceiveFileType(int receiveFileType) { m_receiveFileType = receiveFileType; }
    // Where downloads go from now on; nullptr returns them to the file at the path. The sink must outlive its use.
    void SetDownloadSink(DownloadSink* sink) { m_downloadSink = sink ? sink : &m_downloadFile; }

    bool IsBreakInSending() const { return m_breakIn.IsSending(); }
    bool IsBreakInRunning() const { return m_breakIn.IsRunning(); }
    const MonitorLineRing& MonitorLines() const { return m_lines; }

private:
    enum class UploadSubState { FirstPacket = 1, LaterPackets = 3 };

    void HandleDelivery(ConstByteSpan bytes);
    void ExamineCurrentLine();
    // While the break-in waits, a prompt is noted as soon as it begins the line, before an echo pushes it off.
    void NoteMonitorPrompt();
    // The current entry exists and holds bytes: only then is an upload marker answered.
    bool HasEntryToSend() const;
    void CheckMonitorPrompt();
    void OnBreakInDone(const std::string& text);

    void Upload(std::uint8_t byte);
    void UploadStart(std::uint8_t byte);
    void UploadAwaitAck(std::uint8_t byte);
    void UploadAwaitReady(std::uint8_t byte);
    void SendNextPacket(std::size_t dataLength);
    void FinishBlock();
    // Every end of an upload: Idle before the report, the path and the entries forgotten.
    void EndUpload(ProgressEvent end);
    BlockEntry& CurrentEntry();
    // Reads the next chunk of the current entry into the packet buffer and puts its sum after it.
    std::size_t BuildPacket();

    void Download(std::uint8_t byte);
    void DownloadSize(std::uint8_t byte);
    void DownloadData(std::uint8_t byte);
    void RefuseDownload(int textEntry);
    void CompleteDownload();
    std::uint32_t DownloadPacketCount() const;

    void ReportProgress(const ProgressStep& step, const std::string& text = {});
    std::string Text(int entry) const;
    void ShowStatus(int entry);

    SerialPort& m_port;
    const LanguageTexts& m_texts;
    LoaderUi& m_ui;
    const SerialSettings& m_settings;
    TransferPauses m_pauses;
    TransferHooks m_hooks;
    TransferLine m_line;
    BreakInSender m_breakIn;
    MonitorLineRing m_lines;

    TransferState m_state = TransferState::Idle;
    UploadSubState m_uploadSubState = UploadSubState::FirstPacket;
    bool m_forceMode = false;
    bool m_awaitingMonitor = false; // the modal "Reset your STB(s)." wait runs
    bool m_transferStarted = false;
    bool m_promptSeen = false;
    bool m_handlingDelivery = false;
    std::deque<std::vector<std::uint8_t>> m_heldDeliveries;
    std::uint64_t m_lastDeliveryHandledMs = 0;
    BlockTable m_srcData;
    BlockEntry m_noEntry; // stands in when a marker asks for more entries than are loaded
    std::size_t m_curSrcData = 0;
    std::string m_filePath;
    std::string m_downloadPath;
    std::array<std::uint8_t, kPacketDataSize + kSumSize> m_packet{};
    std::size_t m_lastPacketDataLength = 0;
    int m_packetCounter = 0;

    int m_receiveFileType = 0;
    TransferDownloadFile m_downloadFile;
    DownloadSink* m_downloadSink = &m_downloadFile;
    std::uint32_t m_downloadSize = 0;
    std::uint32_t m_blocksReceived = 0;
    std::size_t m_packetPosition = 0;
    std::uint32_t m_runningSum = 0;
    std::array<std::uint8_t, 4> m_sizeBytes{};
    std::size_t m_sizeByteCount = 0;
    std::array<std::uint8_t, kPacketDataSize + kSumSize> m_receivePacket{};
};

} // namespace vorlane
