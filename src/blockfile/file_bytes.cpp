#include "blockfile/file_bytes.h"

#include <cstdio>
#include <memory>

namespace vorlane {

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return false;
    std::uint8_t chunk[64 * 1024];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        out.insert(out.end(), chunk, chunk + got);
        if (got < sizeof chunk)
            break;
    }
    // A directory opens but does not read; any read error means the bytes are not the file.
    if (std::ferror(file.get())) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace vorlane
