#pragma once
// The receiver's side of the loader protocol: its running software (identification, upload and download
// requests) and its boot monitor (prompt after a restart, "q" and "reset" commands). Pure logic: bytes come
// in through receive(), everything the receiver does goes out through a ReceiverLine.

#include "platform/bytes.h"
#include "sim/fault_plan.h"
#include "sim/sim_clock.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

// What the receiver does to the world outside it.
class ReceiverLine {
public:
    virtual ~ReceiverLine() = default;
    virtual void Send(ConstByteSpan bytes) = 0;
    // A complete, checked upload; transferClass is the requested class, or kMonitorUpload.
    virtual void StoreBlock(int transferClass, ConstByteSpan bytes) = 0;
    virtual void CloseLine() = 0;
};

inline constexpr int kMonitorUpload = -1;

// Download kinds in the order of their request bytes 0x23, 0x24, 0x25.
enum class DownloadKind { MainSoftware = 0, Channel = 1, PreSetting = 2 };
inline constexpr std::size_t kDownloadKindCount = 3;

struct ReceiverBehaviour {
    // The file the receiver sends for each download kind; none means it refuses that kind.
    std::array<std::optional<std::vector<std::uint8_t>>, kDownloadKindCount> downloads;
    // Restart this long after the break-in pattern is first seen; none: only on request.
    std::optional<std::chrono::milliseconds> restartAfterBreakIn;
    // Quiet time after the last wake-up frame before the identification is printed; 0 prints it at once.
    std::chrono::milliseconds identificationDelay{400};
    // The boot monitor echoes every character it is sent on its prompt's line (a carriage return as a new line).
    bool monitorEcho = false;
    // After storing a block the receiver answers no command frame for this long (it writes its flash).
    std::chrono::milliseconds answerPauseAfterStore{0};
    SimulatorFaults faults;
};

class ReceiverProtocol {
public:
    enum class Mode { RunningSoftware, BootMonitor };

    static constexpr std::size_t kPacketDataSize = 1024;
    static constexpr std::size_t kSumSize = 4;

    ReceiverProtocol(ReceiverBehaviour behaviour, ReceiverLine& line);

    void Receive(std::uint8_t byte, SimClock::time_point at);
    // Power cycle: any transfer is dropped and the boot monitor prints its prompt.
    void Restart();
    // The next moment OnTime() has something to do, if any.
    std::optional<SimClock::time_point> NextDeadline() const;
    void OnTime(SimClock::time_point now);

    Mode CurrentMode() const { return m_mode; }

private:
    enum class Phase {
        Commands,
        AwaitUploadStart,
        UploadSize,
        UploadPacket,
        AwaitDownloadGo,
        DownloadHandshake,
        Silent,
        Closed
    };

    void HandleCommandByte(std::uint8_t byte, SimClock::time_point at);
    void DispatchFrame(std::uint8_t command, std::uint8_t argument, SimClock::time_point at);
    void WatchForBreakIn(std::uint8_t byte, SimClock::time_point at);
    void HandleText(std::uint8_t byte, SimClock::time_point at);
    void RunMonitorCommand(SimClock::time_point at);

    void RequestUpload(int transferClass);
    void HandleUploadStart(std::uint8_t byte, SimClock::time_point at);
    void HandleUploadSize(std::uint8_t byte);
    void HandleUploadPacket(std::uint8_t byte, SimClock::time_point at);
    std::size_t ExpectedUploadPacketSize() const;
    void FinishUploadPacket(SimClock::time_point at);
    // Keeps a complete block as the flash holds it; a channel block becomes the channel data to download.
    void StoreBlock(SimClock::time_point at);
    void AbandonUpload(std::uint8_t answer);

    void RequestDownload(DownloadKind kind);
    void HandleDownloadGo(std::uint8_t byte, SimClock::time_point at);
    void HandleDownloadHandshake(std::uint8_t byte);
    void SendDownloadPacket();
    std::size_t CurrentDownloadPacketSize() const;

    // Silence or closing once packet `number` has been answered or sent.
    void ApplyFaultsAfterPacket(int number);
    void SendText(const std::string& text);
    void SendBytes(std::initializer_list<std::uint8_t> bytes);

    ReceiverBehaviour m_behaviour;
    ReceiverLine& m_line;
    FaultPlan m_faults;
    Mode m_mode = Mode::RunningSoftware;
    Phase m_phase = Phase::Commands;

    std::array<std::uint8_t, 4> m_frame{};
    std::size_t m_frameLength = 0;
    int m_consecutiveX = 0;
    bool m_breakInSeen = false;
    std::string m_commandLine;
    std::optional<SimClock::time_point> m_identificationDue;
    std::optional<SimClock::time_point> m_restartDue;
    std::optional<SimClock::time_point> m_busyUntil;
    // After "reset" the monitor hands over to the running software unless it is given a command first.
    std::optional<SimClock::time_point> m_softwareStartDue;

    int m_uploadClass = 0;
    bool m_uploadStartAckSeen = false;
    std::array<std::uint8_t, 4> m_sizeBytes{};
    std::size_t m_sizeByteCount = 0;
    std::uint32_t m_uploadSize = 0;
    std::vector<std::uint8_t> m_block;
    std::vector<std::uint8_t> m_packet;

    const std::vector<std::uint8_t>* m_download = nullptr;
    std::size_t m_downloadOffset = 0;
    std::optional<std::uint8_t> m_handshakeFirst;

    int m_packetNumber = 0;
};

} // namespace vorlane
