#include "cli/commands.h"

#include <array>

namespace vorlane::cli {

// Each command's entry point, defined in its own file.
int RunSearch(std::span<char* const> args);

std::span<const Command> AllCommands() {
    static const std::array commands{
        Command{"search", "find the port the receiver answers on", RunSearch},
    };
    return commands;
}

} // namespace vorlane::cli
