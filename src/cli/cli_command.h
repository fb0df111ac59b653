#pragma once
// One subcommand of vorlane-cli. Exit codes: 0 success, 1 refused or failed operation, 2 usage error.

#include <span>
#include <string_view>

namespace vorlane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Command {
    std::string_view name;
    std::string_view summary;
    // Arguments after the command name. Every command answers --help itself.
    int (*run)(std::span<char* const> args);
};

// True when the arguments ask for help (-h or --help anywhere).
bool WantsHelp(std::span<char* const> args);

} // namespace vorlane::cli
