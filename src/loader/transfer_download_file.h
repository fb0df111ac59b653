#pragma once
// The file a download is written into. The bytes go to a temporary file beside the chosen path, which replaces
// the chosen path only when the download is complete; a download that ends any other way leaves the chosen path
// as it was and no temporary file behind.

#include "loader/download_sink.h"

#include <string>

namespace vorlane {

class TransferDownloadFile : public DownloadSink {
public:
    TransferDownloadFile() = default;
    ~TransferDownloadFile() override { TransferDownloadFile::Discard(); }
    TransferDownloadFile(const TransferDownloadFile&) = delete;
    TransferDownloadFile& operator=(const TransferDownloadFile&) = delete;

    // Creates the temporary file in the folder of `path` (a download still open is discarded first).
    // Returns 1 on success, 0 when it cannot be created.
    [[nodiscard]] bool Create(const std::string& path) override;
    bool IsOpen() const override { return m_fd >= 0; }

    // Appends the bytes; returns 1 when all were written.
    [[nodiscard]] bool Write(ConstByteSpan bytes) override;
    // Rebuilds the channel block header over the written bytes; 1 on success or when the file is too short
    // to hold a header (it then stays as received), 0 when it could not be read or written.
    [[nodiscard]] bool RebuildChannelHeader() override;
    // Puts the temporary file in place of the chosen path. Returns 1 on success; 0 when that failed, and the
    // temporary file is removed.
    [[nodiscard]] bool Commit() override;
    // Removes the temporary file; nothing when none is open.
    void Discard() override;

    const std::string& TemporaryPath() const { return m_temporaryPath; }

private:
    int m_fd = -1;
    std::string m_targetPath;
    std::string m_temporaryPath;
};

} // namespace vorlane
