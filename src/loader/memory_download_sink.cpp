#include "loader/memory_download_sink.h"

#include "loader/transfer_channel_header.h"

namespace vorlane {

bool MemoryDownloadSink::Create(const std::string& /*path*/) {
    m_receiving.clear();
    m_committed.clear();
    m_open = true;
    return true;
}

bool MemoryDownloadSink::Write(ConstByteSpan bytes) {
    if (!m_open)
        return false;
    m_receiving.insert(m_receiving.end(), bytes.begin(), bytes.end());
    return true;
}

bool MemoryDownloadSink::RebuildChannelHeader() {
    if (!m_open)
        return false;
    // Bytes too short for a header stay as received.
    static_cast<void>(vorlane::RebuildChannelHeader(m_receiving));
    return true;
}

bool MemoryDownloadSink::Commit() {
    if (!m_open)
        return false;
    m_committed = std::move(m_receiving);
    m_receiving.clear();
    m_open = false;
    return true;
}

void MemoryDownloadSink::Discard() {
    m_receiving.clear();
    m_open = false;
}

} // namespace vorlane
