#include "cli/commands.h"

#include <array>

namespace vorlane::cli {

// Each command's entry point, defined in its own file.

std::span<const Command> AllCommands() {
    static const std::array<Command, 0> commands{};
    return commands;
}

} // namespace vorlane::cli
