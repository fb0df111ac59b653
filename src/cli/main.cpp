// vorlane-cli: the editor's file commands and the loader without windows.
#include "cli/commands.h"
#include "vorlane/version.h"

#include <cstdio>
#include <cstring>
#include <string_view>

using namespace vorlane::cli;

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli <command> [options]\n\nCommands:\n", out);
    for (const Command& command : AllCommands())
        std::fprintf(out, "  %-10.*s %.*s\n", static_cast<int>(command.name.size()), command.name.data(),
                     static_cast<int>(command.summary.size()), command.summary.data());
    std::fputs("\nRun 'vorlane-cli <command> --help' for one command's options.\n", out);
    std::fputs("'vorlane-cli --version' prints the version.\n", out);
}

} // namespace

namespace vorlane::cli {

bool WantsHelp(std::span<char* const> args) {
    for (const char* arg : args)
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)
            return true;
    return false;
}

} // namespace vorlane::cli

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return kExitOk;
    }
    if (name == "--version") {
        std::printf("vorlane-cli %s\n", vorlane::kVersion);
        return kExitOk;
    }
    for (const Command& command : AllCommands())
        if (command.name == name)
            return command.run(std::span<char* const>(argv + 2, static_cast<std::size_t>(argc - 2)));
    std::fprintf(stderr, "vorlane-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return kExitUsage;
}
