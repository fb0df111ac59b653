#pragma once
// Reading a whole file into memory, so that the parsers work on bytes and never on open files.

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

// Returns 1 with the file's bytes in `out`; 0 when the file cannot be opened or read (`out` is then empty).
int ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out);

} // namespace vorlane
