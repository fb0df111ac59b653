#pragma once
// A satellite receiver on a pseudo-terminal, for testing the PC side end to end. It links the terminal's
// slave to a path (for example $VORLANE_SERIAL_DIR/COM5), answers on its own thread as the receiver's
// software and boot monitor do, keeps every received block and logs every byte on the line.

#include "sim/byte_transcript.h"
#include "sim/line_pacer.h"
#include "sim/pty_link.h"
#include "sim/received_block_store.h"
#include "sim/receiver_protocol.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vorlane {

struct SimulatorConfig {
    std::string linkPath;
    std::string storeFolder;    // where received blocks are written; empty keeps them in memory only
    std::string logPath;        // transcript file; empty writes none
    unsigned bitsPerSecond = 0; // line speed to emulate in both directions; 0 is unpaced
    // How the answers reach the PC's reads: cut into writes of at most this many bytes with a short pause
    // between them (0 writes each answer whole), or held back and merged with the answers that follow to the
    // same received bytes, so several answers arrive in one read.
    std::size_t splitOutputBytes = 0;
    bool mergeOutput = false;
    ReceiverBehaviour behaviour;
};

class SimulatedReceiver : private ReceiverLine {
public:
    explicit SimulatedReceiver(SimulatorConfig config);
    ~SimulatedReceiver() override;
    SimulatedReceiver(const SimulatedReceiver&) = delete;
    SimulatedReceiver& operator=(const SimulatedReceiver&) = delete;

    // Opens the pseudo-terminal, creates the link and starts answering. False on failure.
    [[nodiscard]] bool Start();
    // Stops answering, closes the line and removes the link. Safe to call more than once.
    void Stop();
    // False before start, after stop and after the receiver closed the line itself (fault injection).
    bool IsRunning() const { return m_running.load(); }

    const std::string& DevicePath() const { return m_devicePath; }
    const std::string& LinkPath() const { return m_config.linkPath; }

    // Simulates switching the receiver off and on: its boot monitor prints the "[d-MON]" prompt.
    void TriggerRestart();
    ReceiverProtocol::Mode CurrentMode() const { return m_mode.load(); }

    std::vector<ReceivedBlock> ReceivedBlocks() const { return m_blocks.Blocks(); }
    bool WaitForBlocks(std::size_t count, std::chrono::milliseconds timeout) const {
        return m_blocks.WaitFor(count, timeout);
    }
    std::vector<TranscriptChunk> Transcript() const { return m_transcript.Chunks(); }
    std::vector<std::uint8_t> ReceivedBytes() const { return m_transcript.RecordedBytes(LineDirection::Received); }
    std::vector<std::uint8_t> SentBytes() const { return m_transcript.RecordedBytes(LineDirection::Sent); }

private:
    void Send(ConstByteSpan bytes) override;
    void Deliver(ConstByteSpan bytes);
    void DeliverHeldOutput();
    void StoreBlock(int transferClass, ConstByteSpan bytes) override;
    void CloseLine() override;

    void Run();
    void WaitForEvent();
    void ReadFromLine();
    void TakeRequests();
    // Sleeps until `moment` unless a stop is requested first; returns false on a stop.
    bool WaitUntil(SimClock::time_point moment);
    bool WaitWritable();
    void WriteNow(ConstByteSpan bytes);
    void Wake();

    SimulatorConfig m_config;
    PtyLink m_link;
    std::string m_devicePath;
    ByteTranscript m_transcript;
    ReceivedBlockStore m_blocks;
    ReceiverProtocol m_protocol;
    LinePacer m_receivePacer;
    LinePacer m_sendPacer;

    int m_wakeFd = -1;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_restartRequested{false};
    std::atomic<ReceiverProtocol::Mode> m_mode{ReceiverProtocol::Mode::RunningSoftware};
    bool m_lineClosed = false;
    std::vector<std::uint8_t> m_heldOutput; // merged answers not yet written
    // After a hang-up the master is left alone for a moment instead of being polled in a tight loop.
    std::optional<SimClock::time_point> m_masterQuietUntil;
};

} // namespace vorlane
