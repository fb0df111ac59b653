#pragma once
// Telling options from file names in vorlane-cli's arguments.

namespace vorlane::cli {

// "-x" or "--xyz"; a lone "-" is a name.
inline bool IsOption(const char* arg) {
    return arg[0] == '-' && arg[1] != '\0';
}

} // namespace vorlane::cli
