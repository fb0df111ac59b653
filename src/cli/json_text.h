#pragma once
// Texts written into vorlane-cli's JSON output.

#include <string>
#include <string_view>

namespace vorlane::cli {

// The text as a JSON string literal, quotes included. Control characters, quotes and backslashes are escaped;
// other bytes pass unchanged (paths are bytes).
std::string JsonString(std::string_view text);

} // namespace vorlane::cli
