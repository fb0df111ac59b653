#include "importexport/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlane {
namespace {

constexpr int kNameAttempts = 100;

std::string TemporaryName(const std::filesystem::path& target, std::mt19937& random) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    return (target.parent_path() / ("." + target.filename().string() + ".part-" + suffix)).string();
}

// A fresh file beside the target, opened for writing; -1 when none can be created.
int CreateTemporary(const std::filesystem::path& target, std::string& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = TemporaryName(target, random);
        // Created like any new file (0666 less the umask).
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, ConstByteSpan bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the write.
void SyncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A rename would replace what writing in place refuses: a folder, or a file without write permission.
// Reports the permission bits of an existing target (so the new file keeps them), or -1 for a new file.
bool MayReplace(const std::string& path, int& keptMode) {
    keptMode = -1;
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0)
        return errno == ENOENT;
    keptMode = static_cast<int>(target.st_mode & 07777);
    return S_ISREG(target.st_mode) && ::access(path.c_str(), W_OK) == 0;
}

} // namespace

int ReplaceFile(const std::string& path, ConstByteSpan bytes) {
    const std::filesystem::path target(path);
    int keptMode = -1;
    if (target.filename().empty() || !MayReplace(path, keptMode))
        return 0;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return 0;
    const bool written = (keptMode < 0 || ::fchmod(fd, static_cast<mode_t>(keptMode)) == 0) && WriteAll(fd, bytes) &&
                         ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return 0;
    }
    SyncFolder(target);
    return 1;
}

} // namespace vorlane
