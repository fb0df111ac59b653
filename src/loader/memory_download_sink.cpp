#include "loader/memory_download_sink.h"

#include "loader/transfer_channel_header.h"

namespace vorlane {

int MemoryDownloadSink::Create(const std::string& /*path*/) {
    m_receiving.clear();
    m_committed.clear();
    m_open = true;
    return 1;
}

int MemoryDownloadSink::Write(ConstByteSpan bytes) {
    if (!m_open)
        return 0;
    m_receiving.insert(m_receiving.end(), bytes.begin(), bytes.end());
    return 1;
}

int MemoryDownloadSink::RebuildChannelHeader() {
    if (!m_open)
        return 0;
    vorlane::RebuildChannelHeader(m_receiving); // bytes too short for a header stay as received
    return 1;
}

int MemoryDownloadSink::Commit() {
    if (!m_open)
        return 0;
    m_committed = std::move(m_receiving);
    m_receiving.clear();
    m_open = false;
    return 1;
}

void MemoryDownloadSink::Discard() {
    m_receiving.clear();
    m_open = false;
}

} // namespace vorlane
