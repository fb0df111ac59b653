#include "importexport/replace_file.h"

#include "platform/temporary_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlane {
namespace {

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

bool ReplaceFile(const std::string& path, ConstByteSpan bytes) {
    const std::filesystem::path target(path);
    int keptMode = -1;
    if (target.filename().empty() || !MayReplace(path, keptMode))
        return false;
    std::string temporary;
    const int fd = CreateTemporaryBeside(target, O_WRONLY, temporary);
    if (fd < 0)
        return false;
    const bool written = (keptMode < 0 || ::fchmod(fd, static_cast<mode_t>(keptMode)) == 0) && WriteAllAt(fd, bytes, 0);
    if (!written) {
        ::close(fd);
        std::remove(temporary.c_str());
        return false;
    }
    if (!CommitTemporary(fd, temporary, path))
        return false;
    SyncFolder(target);
    return true;
}

} // namespace vorlane
