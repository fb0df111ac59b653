#include "platform/temporary_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace vorlane {
namespace {

constexpr int kNameAttempts = 100;

std::string TemporaryName(const std::filesystem::path& target, std::mt19937& random) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    return (target.parent_path() / ("." + target.filename().string() + ".part-" + suffix)).string();
}

} // namespace

int CreateTemporaryBeside(const std::filesystem::path& target, int accessFlags, std::string& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = TemporaryName(target, random);
        const int fd = ::open(candidate.c_str(), accessFlags | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            name = std::move(candidate);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

bool WriteAllAt(int fd, ConstByteSpan bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

bool CommitTemporary(int fd, const std::string& temporaryName, const std::string& target) {
    const bool flushed = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!flushed || !closed || std::rename(temporaryName.c_str(), target.c_str()) != 0) {
        std::remove(temporaryName.c_str());
        return false;
    }
    return true;
}

} // namespace vorlane
