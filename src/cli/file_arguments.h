#pragma once
// The arguments of the commands that look at one file: "[--json] FILE".

#include <cstdio>
#include <optional>
#include <span>

namespace vorlane::cli {

struct FileArguments {
    bool json = false;
    const char* path = nullptr;
};

// The parsed arguments, or the exit status to end with: 0 after printing the usage for --help, 2 (with the
// usage on stderr) for a wrong or missing argument.
std::optional<FileArguments> ParseFileArguments(std::span<char* const> args, const char* command,
                                                void (*printUsage)(std::FILE*), int& exitStatus);

} // namespace vorlane::cli
