#pragma once
// Writing a whole file so that readers see either the old contents or the new, never a part.

#include "platform/bytes.h"

#include <string>

namespace vorlane {

// Writes the bytes to a new file in the target's folder, flushes it to disk and renames it over the
// target. A target that exists must be a regular file the user may write, as it must for writing in
// place. False when any step fails, and then the target is as it was and no temporary file is left
// behind.
[[nodiscard]] bool ReplaceFile(const std::string& path, ConstByteSpan bytes);

} // namespace vorlane
