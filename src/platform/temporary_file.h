#pragma once
// Files that replace another only when complete are first written beside it, under a hidden temporary name,
// so the rename that puts them in place never crosses a file system.

#include "platform/bytes.h"

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace vorlane {

// Creates a new file ".<target name>.part-XXXXXXXX" in the target's folder, exclusively, like any new file
// (0666 less the umask), opened with `accessFlags` (O_WRONLY or O_RDWR). Returns the descriptor and sets `name`,
// or returns -1 when no such file could be created.
int CreateTemporaryBeside(const std::filesystem::path& target, int accessFlags, std::string& name);

// Writes every byte at `offset`, retrying interrupted writes; false on any failure.
[[nodiscard]] bool WriteAllAt(int fd, ConstByteSpan bytes, off_t offset);

// Flushes and closes the temporary file and renames it over the target; on any failure removes it instead.
// The descriptor is closed in every case. True when the target now holds the new contents.
[[nodiscard]] bool CommitTemporary(int fd, const std::string& temporaryName, const std::string& target);

} // namespace vorlane
