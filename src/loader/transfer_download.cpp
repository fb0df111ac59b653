// The download machine: takes the 4-byte size, then checksummed packets, each answered with 0xFA 0xFA when its
// sum is right (written to the file) or 0xFC 0xFA to have it again.

#include "loader/loader_ui.h"
#include "loader/transfer.h"
#include "loader/transfer_protocol_bytes.h"
#include "loader/transfer_requests.h"
#include "loader/transfer_texts.h"
#include "storage/checksum.h"

#include <algorithm>

namespace vorlane {

using namespace transfer_protocol;

void Transfer::Download(std::uint8_t byte) {
    switch (m_state) {
    case TransferState::DownloadSizeFirst:
        m_blocksReceived = 0;
        m_downloadSize = 0;
        m_packetPosition = 0;
        m_runningSum = 0;
        m_sizeBytes[0] = byte;
        m_sizeByteCount = 1;
        m_state = TransferState::DownloadSize;
        break;
    case TransferState::DownloadSize:
        DownloadSize(byte);
        break;
    case TransferState::DownloadData:
        DownloadData(byte);
        break;
    default:
        break;
    }
}

std::uint32_t Transfer::DownloadPacketCount() const {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_downloadSize) + kPacketDataSize - 1) /
                                      kPacketDataSize);
}

void Transfer::DownloadSize(std::uint8_t byte) {
    m_sizeBytes[m_sizeByteCount++] = byte;
    if (m_sizeByteCount < m_sizeBytes.size())
        return;
    m_downloadSize = ReadBe32(m_sizeBytes.data());
    m_downloadSink->Discard(); // an unfinished earlier download never reaches its file
    const bool chosen =
        !m_downloadPath.empty() || (m_hooks.chooseDownloadFile && m_hooks.chooseDownloadFile(m_downloadPath));
    if (m_state != TransferState::DownloadSize) // the line was lost while the choice was open
        return;
    if (!chosen) {
        RefuseDownload(transfer_text::kFileNotSelected);
        return;
    }
    if (!m_downloadSink->Create(m_downloadPath)) {
        RefuseDownload(transfer_text::kCannotOpenFile);
        return;
    }
    m_ui.BeginProgress(static_cast<int>(DownloadPacketCount()), m_downloadPath, Text(transfer_text::kDownloading));
    ReportProgress({ProgressEvent::Packets, 0});
    m_state = TransferState::DownloadData;
    // Nothing follows an announced size of 0: the empty file is complete at once.
    if (m_downloadSize == 0)
        CompleteDownload();
}

void Transfer::RefuseDownload(int textEntry) {
    m_line.SendByte(kError);
    m_state = TransferState::Idle;
    m_transferStarted = false;
    m_downloadPath.clear();
    ReportProgress({ProgressEvent::Error}, Text(textEntry));
}

void Transfer::DownloadData(std::uint8_t byte) {
    const std::size_t dataLength = std::min<std::uint64_t>(
        m_downloadSize - static_cast<std::uint64_t>(kPacketDataSize) * m_blocksReceived, kPacketDataSize);
    m_receivePacket[m_packetPosition++] = byte;
    if (m_packetPosition <= dataLength)
        m_runningSum += byte;
    if (m_packetPosition != dataLength + kSumSize)
        return;

    const std::uint32_t receivedSum = ReadBe32(m_receivePacket.data() + dataLength);
    m_packetPosition = 0;
    if (receivedSum != m_runningSum) {
        m_runningSum = 0;
        m_line.SendByte(kNak);
        m_line.SendByte(kAck);
        return;
    }
    m_runningSum = 0;
    if (!m_downloadSink->Write(ConstByteSpan(m_receivePacket).first(dataLength))) {
        // The receiver is told to stop rather than sending the rest into a file that cannot take it.
        m_downloadSink->Discard();
        RefuseDownload(transfer_text::kErrorOccurred);
        return;
    }
    ++m_blocksReceived;
    ReportProgress({ProgressEvent::Packets, static_cast<int>(m_blocksReceived)});
    m_ui.HideNote();
    m_line.SendByte(kAck);
    m_line.SendByte(kAck);
    if (m_blocksReceived == DownloadPacketCount())
        CompleteDownload();
}

void Transfer::CompleteDownload() {
    const bool written =
        (m_receiveFileType != kReceiveChannel || m_downloadSink->RebuildChannelHeader()) && m_downloadSink->Commit();
    if (!written)
        m_downloadSink->Discard();
    m_downloadPath.clear();
    m_state = TransferState::Idle;
    m_transferStarted = false;
    ReportProgress({written ? ProgressEvent::Completed : ProgressEvent::Error});
}

} // namespace vorlane
