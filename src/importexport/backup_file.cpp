#include "importexport/backup_file.h"

#include "importexport/replace_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace vorlane {

std::string BackupPathOf(const std::string& path) {
    return path + ".bak";
}

// Written through ReplaceFile, so a crash while copying never leaves a half backup in place of the old one.
bool KeepBackup(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return !error;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        return false;
    return ReplaceFile(BackupPathOf(path), bytes);
}

} // namespace vorlane
