#include "loader/transfer_download_file.h"

#include "blockfile/block_header.h"
#include "loader/transfer_channel_header.h"
#include "platform/temporary_file.h"
#include "platform/trace.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vorlane {
namespace {

int ReadAll(int fd, ByteSpan bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return 0;
        done += static_cast<std::size_t>(got);
    }
    return 1;
}

// A symbolic link stays in place: the file it points to is the one replaced, in that file's own folder.
std::filesystem::path ReplacedFile(const std::filesystem::path& chosen) {
    std::error_code error;
    if (!std::filesystem::is_symlink(chosen, error))
        return chosen;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(chosen, error);
    return error ? chosen : resolved;
}

} // namespace

bool TransferDownloadFile::Create(const std::string& path) {
    Discard();
    const std::filesystem::path target = ReplacedFile(path);
    if (target.filename().empty())
        return false;
    // A new file gets the usual permissions (0666 less the umask); a replaced one keeps its own.
    std::string temporary;
    const int fd = CreateTemporaryBeside(target, O_RDWR, temporary);
    if (fd < 0)
        return false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);
    m_fd = fd;
    m_targetPath = target.string();
    m_temporaryPath = std::move(temporary);
    return true;
}

bool TransferDownloadFile::Write(ConstByteSpan bytes) {
    if (!IsOpen())
        return false;
    const off_t end = ::lseek(m_fd, 0, SEEK_END);
    return end >= 0 && WriteAllAt(m_fd, bytes, end);
}

bool TransferDownloadFile::RebuildChannelHeader() {
    if (!IsOpen())
        return false;
    struct stat status {};
    if (::fstat(m_fd, &status) != 0)
        return false;
    std::vector<std::uint8_t> contents(static_cast<std::size_t>(status.st_size));
    if (!ReadAll(m_fd, contents))
        return false;
    if (!vorlane::RebuildChannelHeader(contents))
        return true; // too short for a header: kept as received
    if (!WriteAllAt(m_fd, ConstByteSpan(contents).first(block_header::kSize), 0))
        return false;
    DebugOut("Converted...\n");
    return true;
}

bool TransferDownloadFile::Commit() {
    if (!IsOpen())
        return false;
    const bool committed = CommitTemporary(m_fd, m_temporaryPath, m_targetPath);
    m_fd = -1;
    m_temporaryPath.clear();
    return committed;
}

void TransferDownloadFile::Discard() {
    if (!IsOpen())
        return;
    ::close(m_fd);
    m_fd = -1;
    std::remove(m_temporaryPath.c_str());
    m_temporaryPath.clear();
}

} // namespace vorlane
