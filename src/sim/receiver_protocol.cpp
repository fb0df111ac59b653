#include "sim/receiver_protocol.h"

#include "sim/stored_channel_list.h"
#include "storage/checksum.h"

#include <algorithm>

namespace vorlane {
namespace {

constexpr std::uint8_t kFrameFirst = 0xCC;
constexpr std::uint8_t kFrameSecond = 0x55;
constexpr std::uint8_t kWakeUpCommand = 0xEE;
constexpr std::uint8_t kWakeUpArgument = 0xFF;
constexpr std::uint8_t kRequestSendCommand = 0x22;
constexpr std::uint8_t kFirstTransferClassByte = 0x20;
constexpr std::uint8_t kLastTransferClassByte = 0x26;
constexpr std::uint8_t kDownloadCommand = 0x11;
constexpr std::uint8_t kFirstDownloadByte = 0x23;
constexpr std::uint8_t kLastDownloadByte = 0x25;

constexpr std::uint8_t kAck = 0xFA;
constexpr std::uint8_t kNak = 0xFC;
constexpr std::uint8_t kEnd = 0xF0;
constexpr std::uint8_t kError = 0xFE;
constexpr std::uint8_t kDownloadMarkerSecond = 0xCC;
// The fourth marker byte may be 0x22 to 0x25; the receiver always uses the first.
constexpr std::uint8_t kUploadMarkerKind = 0x22;

// The PC only looks at the beginning of the current line, so every marker and the prompt start a fresh
// line (carriage return for column 0, line feed for a new line) and nothing follows them.
constexpr char kNewLine[] = "\r\n";
constexpr char kIdentification[] = "\r\nKX70RS digital satellite receiver\r\n";
constexpr char kForeignIdentification[] = "\r\nDVB-S receiver ready\r\n";
constexpr char kMonitorPrompt[] = "\r\n[d-MON] boot monitor> ";
constexpr char kNothingToDownload[] = "\r\nno data to download\r\n";

constexpr char kBreakInCharacter = 'x';
constexpr int kBreakInLength = 4;
constexpr std::size_t kMaxCommandLine = 64;
// How long the monitor waits for a command after a reset before the running software starts.
constexpr std::chrono::milliseconds kSoftwareStartDelay{300};

} // namespace

ReceiverProtocol::ReceiverProtocol(ReceiverBehaviour behaviour, ReceiverLine& line)
    : m_behaviour(std::move(behaviour)), m_line(line), m_faults(m_behaviour.faults) {}

void ReceiverProtocol::Receive(std::uint8_t byte, SimClock::time_point at) {
    // Packet data may hold anything; everywhere else the pattern means the PC is trying to break in,
    // also while the receiver hangs in a transfer.
    if (m_phase != Phase::UploadSize && m_phase != Phase::UploadPacket && m_phase != Phase::Closed)
        WatchForBreakIn(byte, at);
    switch (m_phase) {
    case Phase::Commands:
        HandleCommandByte(byte, at);
        break;
    case Phase::AwaitUploadStart:
        HandleUploadStart(byte, at);
        break;
    case Phase::UploadSize:
        HandleUploadSize(byte);
        break;
    case Phase::UploadPacket:
        HandleUploadPacket(byte, at);
        break;
    case Phase::AwaitDownloadGo:
        HandleDownloadGo(byte, at);
        break;
    case Phase::DownloadHandshake:
        HandleDownloadHandshake(byte);
        break;
    case Phase::Silent:
    case Phase::Closed:
        break;
    }
}

void ReceiverProtocol::Restart() {
    if (m_phase == Phase::Closed)
        return;
    m_mode = Mode::BootMonitor;
    m_phase = Phase::Commands;
    m_frameLength = 0;
    m_consecutiveX = 0;
    m_breakInSeen = false;
    m_commandLine.clear();
    m_identificationDue.reset();
    m_restartDue.reset();
    m_softwareStartDue.reset();
    m_block.clear();
    m_packet.clear();
    m_download = nullptr;
    m_handshakeFirst.reset();
    SendText(kMonitorPrompt);
}

std::optional<SimClock::time_point> ReceiverProtocol::NextDeadline() const {
    std::optional<SimClock::time_point> next;
    for (const auto& due : {m_identificationDue, m_restartDue, m_softwareStartDue})
        if (due && (!next || *due < *next))
            next = due;
    return next;
}

void ReceiverProtocol::OnTime(SimClock::time_point now) {
    if (m_identificationDue && now >= *m_identificationDue) {
        m_identificationDue.reset();
        if (m_phase == Phase::Commands)
            SendText(m_faults.WithoutIdentification() ? kForeignIdentification : kIdentification);
    }
    if (m_restartDue && now >= *m_restartDue) {
        m_restartDue.reset();
        Restart();
    }
    if (m_softwareStartDue && now >= *m_softwareStartDue) {
        m_softwareStartDue.reset();
        m_mode = Mode::RunningSoftware;
        m_consecutiveX = 0;
        m_breakInSeen = false;
    }
}

// Command frames (0xCC 0x55 command argument) are understood by the running software and the monitor alike;
// everything else is text.
void ReceiverProtocol::HandleCommandByte(std::uint8_t byte, SimClock::time_point at) {
    switch (m_frameLength) {
    case 0:
        if (byte == kFrameFirst) {
            m_frame[m_frameLength++] = byte;
            return;
        }
        HandleText(byte, at);
        return;
    case 1:
        if (byte == kFrameSecond) {
            m_frame[m_frameLength++] = byte;
            return;
        }
        m_frameLength = 0;
        HandleCommandByte(byte, at);
        return;
    case 2:
        m_frame[m_frameLength++] = byte;
        return;
    default:
        m_frameLength = 0;
        DispatchFrame(m_frame[2], byte, at);
        return;
    }
}

void ReceiverProtocol::DispatchFrame(std::uint8_t command, std::uint8_t argument, SimClock::time_point at) {
    if (m_busyUntil && at < *m_busyUntil)
        return;
    if (command == kWakeUpCommand && argument == kWakeUpArgument) {
        m_identificationDue = at + m_behaviour.identificationDelay;
        return;
    }
    if (m_faults.SilentToRequests())
        return;
    if (command == kRequestSendCommand && argument >= kFirstTransferClassByte && argument <= kLastTransferClassByte) {
        m_identificationDue.reset();
        RequestUpload(argument - kFirstTransferClassByte);
        return;
    }
    if (command == kDownloadCommand && argument >= kFirstDownloadByte && argument <= kLastDownloadByte) {
        m_identificationDue.reset();
        RequestDownload(static_cast<DownloadKind>(argument - kFirstDownloadByte));
    }
}

void ReceiverProtocol::WatchForBreakIn(std::uint8_t byte, SimClock::time_point at) {
    if (m_mode != Mode::RunningSoftware)
        return;
    m_consecutiveX = byte == kBreakInCharacter ? m_consecutiveX + 1 : 0;
    if (m_consecutiveX >= kBreakInLength && !m_breakInSeen) {
        m_breakInSeen = true;
        if (m_behaviour.restartAfterBreakIn)
            m_restartDue = at + *m_behaviour.restartAfterBreakIn;
    }
}

// The running software prints nothing in answer to text; the monitor reads it as command lines.
void ReceiverProtocol::HandleText(std::uint8_t byte, SimClock::time_point at) {
    if (m_mode == Mode::RunningSoftware)
        return;
    if (m_behaviour.monitorEcho && (byte == '\r' || (byte >= 0x20 && byte < 0x7F)))
        SendText(byte == '\r' ? std::string(kNewLine) : std::string(1, static_cast<char>(byte)));
    if (byte == '\r') {
        RunMonitorCommand(at);
        m_commandLine.clear();
    } else if (byte >= 0x20 && byte < 0x7F && m_commandLine.size() < kMaxCommandLine) {
        m_commandLine.push_back(static_cast<char>(byte));
    }
}

void ReceiverProtocol::RunMonitorCommand(SimClock::time_point at) {
    if (m_commandLine.empty())
        return;
    m_softwareStartDue.reset();
    if (m_commandLine == "q") {
        RequestUpload(kMonitorUpload);
    } else if (m_commandLine == "reset") {
        Restart();
        m_softwareStartDue = at + kSoftwareStartDelay;
    }
}

void ReceiverProtocol::RequestUpload(int transferClass) {
    m_uploadClass = transferClass;
    m_uploadStartAckSeen = false;
    m_commandLine.clear();
    m_phase = Phase::AwaitUploadStart;
    SendText(kNewLine);
    SendBytes({kFrameFirst, kFrameSecond, kDownloadCommand, kUploadMarkerKind});
}

void ReceiverProtocol::HandleUploadStart(std::uint8_t byte, SimClock::time_point at) {
    if (!m_uploadStartAckSeen && byte == kAck) {
        m_uploadStartAckSeen = true;
        return;
    }
    if (m_uploadStartAckSeen && byte == kFrameFirst) {
        m_sizeByteCount = 0;
        m_phase = Phase::UploadSize;
        SendBytes({kAck});
        return;
    }
    // Not the PC's go-ahead: the request is dropped and the byte is read as an ordinary one.
    m_phase = Phase::Commands;
    HandleCommandByte(byte, at);
}

void ReceiverProtocol::HandleUploadSize(std::uint8_t byte) {
    m_sizeBytes[m_sizeByteCount++] = byte;
    if (m_sizeByteCount < m_sizeBytes.size())
        return;
    m_uploadSize = ReadBe32(m_sizeBytes.data());
    m_block.clear();
    m_block.reserve(m_uploadSize);
    m_packet.clear();
    m_packetNumber = 1;
    m_phase = Phase::UploadPacket;
}

// The PC sends one packet even for an empty block: four sum bytes and no data.
std::size_t ReceiverProtocol::ExpectedUploadPacketSize() const {
    return std::min<std::size_t>(kPacketDataSize, m_uploadSize - m_block.size());
}

void ReceiverProtocol::HandleUploadPacket(std::uint8_t byte, SimClock::time_point at) {
    m_packet.push_back(byte);
    if (m_packet.size() == ExpectedUploadPacketSize() + kSumSize)
        FinishUploadPacket(at);
}

void ReceiverProtocol::FinishUploadPacket(SimClock::time_point at) {
    const std::size_t dataSize = m_packet.size() - kSumSize;
    const ConstByteSpan data(m_packet.data(), dataSize);
    const bool sumRight = Checksum(data) == ReadBe32(m_packet.data() + dataSize) &&
                          !m_faults.Fire(PacketFault::CorruptUploadSum, m_packetNumber);
    const int number = m_packetNumber;

    if (m_faults.Fire(PacketFault::Error, number)) {
        AbandonUpload(kError);
        return;
    }
    if (m_faults.Fire(PacketFault::EarlyEnd, number)) {
        AbandonUpload(kEnd);
        return;
    }
    if (!sumRight || m_faults.Fire(PacketFault::Nak, number)) {
        m_packet.clear();
        SendBytes({kNak, kAck});
        return;
    }

    m_block.insert(m_block.end(), data.begin(), data.end());
    m_packet.clear();
    ++m_packetNumber;
    const bool complete = m_block.size() == m_uploadSize;
    if (complete) {
        m_phase = Phase::Commands;
        StoreBlock(at);
    }
    SendBytes({kAck, kAck});
    ApplyFaultsAfterPacket(number);
}

void ReceiverProtocol::StoreBlock(SimClock::time_point at) {
    if (const auto byte = m_behaviour.faults.corruptStoredByte; byte && *byte < m_block.size())
        m_block[*byte] ^= 0xFF;
    m_line.StoreBlock(m_uploadClass, m_block);
    if (IsChannelBlock(m_uploadClass, m_block))
        m_behaviour.downloads[static_cast<std::size_t>(DownloadKind::Channel)] = ChannelListAsSent(m_block);
    if (m_behaviour.answerPauseAfterStore.count() > 0)
        m_busyUntil = at + m_behaviour.answerPauseAfterStore;
}

void ReceiverProtocol::AbandonUpload(std::uint8_t answer) {
    m_phase = Phase::Commands;
    m_packet.clear();
    m_block.clear();
    SendBytes({answer});
}

void ReceiverProtocol::RequestDownload(DownloadKind kind) {
    const auto& file = m_behaviour.downloads[static_cast<std::size_t>(kind)];
    if (!file) {
        SendText(kNothingToDownload);
        return;
    }
    m_download = &*file;
    m_phase = Phase::AwaitDownloadGo;
    SendText(kNewLine);
    SendBytes({kAck, kDownloadMarkerSecond});
}

void ReceiverProtocol::HandleDownloadGo(std::uint8_t byte, SimClock::time_point at) {
    if (byte != kAck) {
        m_phase = Phase::Commands;
        HandleCommandByte(byte, at);
        return;
    }
    std::array<std::uint8_t, 4> size{};
    WriteBe32(size.data(), static_cast<std::uint32_t>(m_download->size()));
    m_line.Send(size);
    m_downloadOffset = 0;
    m_packetNumber = 1;
    m_handshakeFirst.reset();
    // As many packets as the size asks for: an empty file has none.
    if (m_download->empty()) {
        m_phase = Phase::Commands;
        return;
    }
    SendDownloadPacket();
}

std::size_t ReceiverProtocol::CurrentDownloadPacketSize() const {
    return std::min(kPacketDataSize, m_download->size() - m_downloadOffset);
}

void ReceiverProtocol::SendDownloadPacket() {
    for (const auto& [fault, answer] :
         {std::pair{PacketFault::Error, kError}, std::pair{PacketFault::EarlyEnd, kEnd}}) {
        if (m_faults.Fire(fault, m_packetNumber)) {
            m_phase = Phase::Commands;
            SendBytes({answer});
            return;
        }
    }
    const ConstByteSpan data(m_download->data() + m_downloadOffset, CurrentDownloadPacketSize());
    std::vector<std::uint8_t> packet(data.begin(), data.end());
    packet.resize(data.size() + kSumSize);
    std::uint32_t sum = Checksum(data);
    if (m_faults.Fire(PacketFault::CorruptDownloadSum, m_packetNumber))
        sum += 1;
    WriteBe32(packet.data() + data.size(), sum);
    m_phase = Phase::DownloadHandshake;
    m_line.Send(packet);
    ApplyFaultsAfterPacket(m_packetNumber);
}

// The PC answers a packet with two bytes: 0xFA 0xFA for the next one, 0xFC 0xFA to have it again;
// 0xFE means it could not take the download at all.
void ReceiverProtocol::HandleDownloadHandshake(std::uint8_t byte) {
    if (!m_handshakeFirst) {
        if (byte == kError)
            m_phase = Phase::Commands;
        else if (byte == kAck || byte == kNak)
            m_handshakeFirst = byte;
        return;
    }
    const std::uint8_t first = *m_handshakeFirst;
    m_handshakeFirst.reset();
    if (byte != kAck) {
        HandleDownloadHandshake(byte);
        return;
    }
    if (first == kNak) {
        SendDownloadPacket();
        return;
    }
    m_downloadOffset += CurrentDownloadPacketSize();
    ++m_packetNumber;
    if (m_downloadOffset == m_download->size())
        m_phase = Phase::Commands;
    else
        SendDownloadPacket();
}

void ReceiverProtocol::ApplyFaultsAfterPacket(int number) {
    if (m_faults.Fire(PacketFault::SilentAfter, number)) {
        m_phase = Phase::Silent;
    } else if (m_faults.Fire(PacketFault::CloseAfter, number)) {
        m_phase = Phase::Closed;
        m_line.CloseLine();
    }
}

void ReceiverProtocol::SendText(const std::string& text) {
    m_line.Send(ConstByteSpan(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void ReceiverProtocol::SendBytes(std::initializer_list<std::uint8_t> bytes) {
    m_line.Send(ConstByteSpan(bytes.begin(), bytes.size()));
}

} // namespace vorlane
