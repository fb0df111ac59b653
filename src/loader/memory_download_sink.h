#pragma once
// A download kept in memory: the read-back of an upload is compared and dropped, so it never touches a file.

#include "loader/download_sink.h"

#include <cstdint>
#include <vector>

namespace vorlane {

class MemoryDownloadSink final : public DownloadSink {
public:
    [[nodiscard]] bool Create(const std::string& path) override;
    bool IsOpen() const override { return m_open; }
    [[nodiscard]] bool Write(ConstByteSpan bytes) override;
    [[nodiscard]] bool RebuildChannelHeader() override;
    [[nodiscard]] bool Commit() override;
    void Discard() override;

    // The bytes of the last committed download; empty until one was committed.
    const std::vector<std::uint8_t>& Bytes() const { return m_committed; }

private:
    bool m_open = false;
    std::vector<std::uint8_t> m_receiving;
    std::vector<std::uint8_t> m_committed;
};

} // namespace vorlane
