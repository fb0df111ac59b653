// The upload machine: sends the entries of m_SrcData one block at a time, each as its size and checksummed
// packets, every packet answered by the receiver with two handshake bytes.

#include "loader/connection_settings.h"
#include "loader/loader_ui.h"
#include "loader/transfer.h"
#include "loader/transfer_protocol_bytes.h"
#include "loader/transfer_texts.h"
#include "platform/clock.h"
#include "platform/trace.h"
#include "storage/checksum.h"

namespace vorlane {
namespace {

using namespace transfer_protocol;

constexpr std::uint8_t kEnd = 0xF0;

constexpr char kNextBlockToMonitor[] = "\r\r\r\rq\r";
constexpr char kResetMonitor[] = "\r\rreset\r";

int PacketCount(std::uint32_t size) {
    return static_cast<int>((size + Transfer::kPacketDataSize - 1) / Transfer::kPacketDataSize);
}

} // namespace

void Transfer::Upload(std::uint8_t byte) {
    switch (m_state) {
    case TransferState::UploadStart:
        UploadStart(byte);
        break;
    case TransferState::UploadAwaitAck:
        UploadAwaitAck(byte);
        break;
    case TransferState::UploadAwaitReady:
        UploadAwaitReady(byte);
        break;
    default:
        break;
    }
}

BlockEntry& Transfer::CurrentEntry() {
    return m_curSrcData < m_srcData.Count() ? m_srcData[m_curSrcData] : m_noEntry;
}

bool Transfer::HasEntryToSend() const {
    return m_curSrcData < m_srcData.Count() && m_srcData[m_curSrcData].size() > 0;
}

std::size_t Transfer::BuildPacket() {
    const std::size_t length = CurrentEntry().ReadNext(ByteSpan(m_packet).first(kPacketDataSize));
    WriteBe32(m_packet.data() + length, Checksum(ConstByteSpan(m_packet).first(length)));
    return length;
}

void Transfer::UploadStart(std::uint8_t byte) {
    if (byte != kAck) {
        DebugOut("Protocol Error: no ready after the upload request\n");
        EndUpload(ProgressEvent::Error);
        return;
    }
    DebugOut("START : m_nCurSrcData=%d\n", static_cast<int>(m_curSrcData));
    BlockEntry& entry = CurrentEntry();
    entry.SetReadPosition(0);
    const std::uint32_t size = entry.size();
    m_line.SendDword(size, ByteOrder::MostSignificantFirst);
    DebugOut(" -> send file size : 0x%x\n", size);
    m_ui.BeginProgress(PacketCount(size), m_filePath, Text(transfer_text::kUploading));
    ReportProgress({ProgressEvent::Packets, 0});

    const std::size_t length = BuildPacket();
    SleepMs(m_pauses.beforeFirstPacketMs);
    m_line.SendBuffer(m_packet.data(), length + kSumSize);
    m_lastPacketDataLength = length;
    m_packetCounter = 0;
    DebugOut(" -> send buffer, (%d + 4)\n", static_cast<int>(length));
    if (m_forceMode)
        ReportProgress({ProgressEvent::Erasing}, Text(transfer_text::kErasingFlash));
    else
        ReportProgress({ProgressEvent::Packets, 1});
    m_state = TransferState::UploadAwaitAck;
    m_uploadSubState = UploadSubState::FirstPacket;
}

void Transfer::UploadAwaitAck(std::uint8_t byte) {
    switch (byte) {
    case kAck:
        if (m_uploadSubState == UploadSubState::FirstPacket) {
            DebugOut("m_nTimeOut2=%d\n", m_settings.timeout2);
            // The receiver erases its flash after the first packet of a block that goes to the boot monitor.
            if (m_forceMode && m_settings.timeout2 > 0)
                SleepMs(static_cast<std::uint32_t>(m_settings.timeout2));
        }
        m_state = TransferState::UploadAwaitReady;
        break;
    case kEnd: {
        // The receiver's end is a completion only when nothing of this or a later entry is left to send.
        const BlockEntry& entry = CurrentEntry();
        const bool allSent = m_curSrcData + 1 >= m_srcData.Count() && entry.ReadPosition() == entry.size();
        if (!allSent)
            DebugOut("Protocol Error case 1\n");
        EndUpload(allSent ? ProgressEvent::Completed : ProgressEvent::Error);
        break;
    }
    case kError:
        DebugOut("Protocol Error case 1\n");
        EndUpload(ProgressEvent::Error);
        break;
    case kNak: {
        --m_packetCounter;
        ReportProgress({ProgressEvent::Packets, m_packetCounter + 1});
        BlockEntry& entry = CurrentEntry();
        const std::uint32_t position = entry.ReadPosition();
        entry.SetReadPosition(position - static_cast<std::uint32_t>(m_lastPacketDataLength));
        m_state = TransferState::UploadAwaitReady;
        break;
    }
    default:
        break;
    }
}

void Transfer::UploadAwaitReady(std::uint8_t byte) {
    if (byte == kAck || byte == kNak) {
        const std::size_t length = BuildPacket();
        if (length == 0)
            FinishBlock();
        else
            SendNextPacket(length);
    } else if (byte == kEnd || byte == kError) {
        DebugOut("Protocol Error case 2\n");
        EndUpload(ProgressEvent::Error);
    }
}

void Transfer::SendNextPacket(std::size_t dataLength) {
    if (m_settings.timeout1 > 0)
        SleepMs(static_cast<std::uint32_t>(m_settings.timeout1));
    m_line.SendBuffer(m_packet.data(), dataLength + kSumSize);
    m_lastPacketDataLength = dataLength;
    ++m_packetCounter;
    BlockEntry& entry = CurrentEntry();
    // A repeated first packet is answered like the first: the receiver erases its flash after it.
    const bool firstPacket = entry.ReadPosition() == dataLength;
    if (firstPacket && m_forceMode) {
        ReportProgress({ProgressEvent::Erasing}, Text(transfer_text::kErasingFlash));
    } else if (!m_forceMode && entry.ReadPosition() == entry.size()) {
        DebugOut("--------> Writing flash %d\n", static_cast<int>(m_curSrcData));
        ReportProgress({ProgressEvent::Packets, m_packetCounter + 1});
        m_ui.ShowNote(Text(transfer_text::kWritingFlash));
        DebugOut("m_SrcData\n");
    } else {
        ReportProgress({ProgressEvent::Packets, m_packetCounter + 1});
        m_ui.HideNote();
    }
    m_state = TransferState::UploadAwaitAck;
    m_uploadSubState = firstPacket ? UploadSubState::FirstPacket : UploadSubState::LaterPackets;
}

void Transfer::FinishBlock() {
    CurrentEntry().FreeBytes();
    ++m_curSrcData;
    m_state = TransferState::Idle;
    if (m_curSrcData < m_srcData.Count()) {
        DebugOut("--------> Request next file\n");
        if (m_forceMode)
            m_line.SendString(kNextBlockToMonitor);
        else
            RequestSendFile(static_cast<std::uint32_t>(CurrentEntry().EntryClass()));
        return;
    }
    if (m_forceMode)
        m_line.SendString(kResetMonitor);
    EndUpload(ProgressEvent::Completed);
}

void Transfer::EndUpload(ProgressEvent end) {
    m_state = TransferState::Idle;
    m_transferStarted = false;
    m_filePath.clear();
    FreeUploadEntries();
    ReportProgress({end});
}

} // namespace vorlane
