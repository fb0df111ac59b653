#include "cli/file_arguments.h"

#include "cli/arguments.h"
#include "cli/cli_command.h"

#include <cstring>

namespace vorlane::cli {

std::optional<FileArguments> ParseFileArguments(std::span<char* const> args, const char* command,
                                                void (*printUsage)(std::FILE*), int& exitStatus) {
    if (WantsHelp(args)) {
        printUsage(stdout);
        exitStatus = kExitOk;
        return std::nullopt;
    }
    FileArguments parsed;
    for (const char* arg : args) {
        if (std::strcmp(arg, "--json") == 0 && !parsed.json) {
            parsed.json = true;
        } else if (!IsOption(arg) && !parsed.path) {
            parsed.path = arg;
        } else {
            std::fprintf(stderr, "vorlane-cli %s: unexpected argument '%s'\n\n", command, arg);
            printUsage(stderr);
            exitStatus = kExitUsage;
            return std::nullopt;
        }
    }
    if (!parsed.path) {
        std::fprintf(stderr, "vorlane-cli %s: expects a file\n\n", command);
        printUsage(stderr);
        exitStatus = kExitUsage;
        return std::nullopt;
    }
    return parsed;
}

} // namespace vorlane::cli
