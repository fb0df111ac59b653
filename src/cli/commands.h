#pragma once
// The table of vorlane-cli's subcommands; each lives in a file of its own.

#include "cli/cli_command.h"

#include <span>

namespace vorlane::cli {

std::span<const Command> AllCommands();

} // namespace vorlane::cli
