#include "sim/byte_transcript.h"

namespace vorlane {
namespace {

constexpr std::size_t kBytesPerFileLine = 32;

const char* DirectionTag(LineDirection direction) {
    return direction == LineDirection::Received ? "RX" : "TX";
}

} // namespace

ByteTranscript::ByteTranscript() : m_start(SimClock::now()) {}

ByteTranscript::~ByteTranscript() {
    Flush();
    if (m_file)
        std::fclose(m_file);
}

bool ByteTranscript::OpenFile(const std::string& path) {
    std::lock_guard lock(m_mutex);
    m_file = std::fopen(path.c_str(), "w");
    return m_file != nullptr;
}

void ByteTranscript::RecordBytes(LineDirection direction, ConstByteSpan bytes) {
    if (bytes.empty())
        return;
    std::lock_guard lock(m_mutex);
    if (m_chunks.empty() || m_chunks.back().direction != direction)
        m_chunks.push_back({direction, {}});
    auto& chunk = m_chunks.back().bytes;
    chunk.insert(chunk.end(), bytes.begin(), bytes.end());

    if (!m_file)
        return;
    for (const std::uint8_t byte : bytes) {
        if (!m_lineBytes.empty() && (m_lineDirection != direction || m_lineBytes.size() == kBytesPerFileLine))
            WriteFileLine();
        if (m_lineBytes.empty()) {
            m_lineDirection = direction;
            m_lineTime = SimClock::now();
        }
        m_lineBytes.push_back(byte);
    }
}

void ByteTranscript::Flush() {
    std::lock_guard lock(m_mutex);
    if (m_file && !m_lineBytes.empty())
        WriteFileLine();
}

void ByteTranscript::WriteFileLine() {
    const double milliseconds = std::chrono::duration<double, std::milli>(m_lineTime - m_start).count();
    std::fprintf(m_file, "%10.3f %s", milliseconds, DirectionTag(m_lineDirection));
    for (const std::uint8_t byte : m_lineBytes)
        std::fprintf(m_file, " %02x", byte);
    std::fputc('\n', m_file);
    std::fflush(m_file);
    m_lineBytes.clear();
}

std::vector<TranscriptChunk> ByteTranscript::Chunks() const {
    std::lock_guard lock(m_mutex);
    return m_chunks;
}

std::vector<std::uint8_t> ByteTranscript::RecordedBytes(LineDirection direction) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::uint8_t> all;
    for (const auto& chunk : m_chunks)
        if (chunk.direction == direction)
            all.insert(all.end(), chunk.bytes.begin(), chunk.bytes.end());
    return all;
}

} // namespace vorlane
