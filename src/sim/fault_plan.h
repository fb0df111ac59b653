#pragma once
// Faults the simulated receiver can be told to commit, so the PC side's error paths can be exercised.
// Packets are numbered from 1 within each transfer; a resent packet keeps its number.
// Every packet fault fires once per simulator run, on the first transfer that reaches its packet.

#include <array>
#include <cstddef>
#include <optional>

namespace vorlane {

struct SimulatorFaults {
    int nakPacket = 0;                            // answer upload packet k with 0xFC 0xFA although its sum is right
    int corruptDownloadPacket = 0;                // send download packet k with a wrong sum
    int corruptUploadPacket = 0;                  // take upload packet k as damaged on the line: its sum does not match
    int errorAtPacket = 0;                        // answer upload packet k, or send instead of download packet k, 0xFE
    int endAtPacket = 0;                          // the same with 0xF0; either abandons the transfer
    int silentAfterPacket = 0;                    // after packet k (answered or sent) send nothing until restarted
    int closeAfterPacket = 0;                     // after packet k (answered or sent) close the line
    bool withoutIdentification = false;           // answer the wake-up with a text that lacks the identification
    bool silentToRequests = false;                // never answer an upload or download request
    std::optional<std::size_t> corruptStoredByte; // a faulty flash: this byte of every stored block is flipped
};

enum class PacketFault { Nak, CorruptDownloadSum, Error, EarlyEnd, SilentAfter, CloseAfter, CorruptUploadSum };

class FaultPlan {
public:
    explicit FaultPlan(const SimulatorFaults& faults);

    // True, once, when `fault` is planned for this packet number.
    bool Fire(PacketFault fault, int packetNumber);

    bool WithoutIdentification() const { return m_withoutIdentification; }
    bool SilentToRequests() const { return m_silentToRequests; }

private:
    static constexpr std::size_t kFaultCount = 7;
    std::array<int, kFaultCount> m_packetOf{};
    std::array<bool, kFaultCount> m_fired{};
    bool m_withoutIdentification;
    bool m_silentToRequests;
};

} // namespace vorlane
