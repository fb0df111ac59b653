#pragma once
// The copy of a channel file kept beside it before the first save over it: NAME.bak.

#include <string>

namespace vorlane {

// The backup's name for `path`: the same name with ".bak" added.
std::string BackupPathOf(const std::string& path);
// Copies the file at `path` to its backup, replacing an older backup. True when the copy is complete on disk,
// and when there is no file at `path` to keep.
bool KeepBackup(const std::string& path);

} // namespace vorlane
