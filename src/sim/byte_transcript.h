#pragma once
// Every byte the simulated receiver took from the line and put on it, in order, for transcript tests;
// optionally also written to a file as hex lines stamped with milliseconds since the start.

#include "platform/bytes.h"
#include "sim/sim_clock.h"

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace vorlane {

enum class LineDirection { Received, Sent };

// Consecutive bytes of one direction form one chunk.
struct TranscriptChunk {
    LineDirection direction;
    std::vector<std::uint8_t> bytes;
};

class ByteTranscript {
public:
    ByteTranscript();
    ~ByteTranscript();
    ByteTranscript(const ByteTranscript&) = delete;
    ByteTranscript& operator=(const ByteTranscript&) = delete;

    // Starts writing the log file (truncating it); false when it cannot be created.
    [[nodiscard]] bool OpenFile(const std::string& path);
    void RecordBytes(LineDirection direction, ConstByteSpan bytes);
    // Writes out a partly filled file line, so the file is current while the line is quiet.
    void Flush();

    std::vector<TranscriptChunk> Chunks() const;
    std::vector<std::uint8_t> RecordedBytes(LineDirection direction) const;

private:
    void WriteFileLine();

    mutable std::mutex m_mutex;
    std::vector<TranscriptChunk> m_chunks;
    std::FILE* m_file = nullptr;
    SimClock::time_point m_start;
    // The file line being gathered: its direction, time and bytes.
    LineDirection m_lineDirection = LineDirection::Received;
    SimClock::time_point m_lineTime;
    std::vector<std::uint8_t> m_lineBytes;
};

} // namespace vorlane
