#pragma once
// printf-style formatting appended to a string, with no length limit.

#include <string>

namespace vorlane {

void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace vorlane
