#pragma once
// Reading a whole file into memory, so that the parsers work on bytes and never on open files.

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

// True with the file's bytes in `out`; false when the file cannot be opened or read (`out` is then empty).
[[nodiscard]] bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out);

} // namespace vorlane
