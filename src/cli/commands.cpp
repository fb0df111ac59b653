#include "cli/commands.h"

#include <array>

namespace vorlane::cli {

// Each command's entry point, defined in its own file.
int RunSearch(std::span<char* const> args);
int RunInfo(std::span<char* const> args);
int RunCheck(std::span<char* const> args);
int RunConvert(std::span<char* const> args);
int RunExport(std::span<char* const> args);
int RunBlocks(std::span<char* const> args);
int RunUpload(std::span<char* const> args);
int RunDownload(std::span<char* const> args);
int RunPorts(std::span<char* const> args);
int RunSort(std::span<char* const> args);
int RunDedupe(std::span<char* const> args);
int RunApplyOrder(std::span<char* const> args);
int RunDiff(std::span<char* const> args);

std::span<const Command> AllCommands() {
    static const std::array commands{
        Command{"search", "find the port the receiver answers on", RunSearch},
        Command{"info", "tell what a file is and what it holds", RunInfo},
        Command{"check", "open a file as the editor does and check that its database is sound", RunCheck},
        Command{"convert", "open a file as the editor does and save it as a channel file", RunConvert},
        Command{"export", "open a file as the editor does and write its text listing", RunExport},
        Command{"sort", "renumber the TV and radio lists by name, frequency, program number or satellite", RunSort},
        Command{"dedupe", "merge duplicate transponders and remove duplicate channels", RunDedupe},
        Command{"apply-order", "give a list the channel order of a reference list", RunApplyOrder},
        Command{"diff", "compare two lists: channels added, removed, renamed, moved, changed", RunDiff},
        Command{"blocks", "show how the loader takes a file: its blocks, its whole-file class, or why not", RunBlocks},
        Command{"upload", "send a file to the receiver as Upload to STB does", RunUpload},
        Command{"download", "receive the main software or the channel data into a file", RunDownload},
        Command{"ports", "show the device of each port COM1-COM16 and the serial devices on this machine", RunPorts},
    };
    return commands;
}

} // namespace vorlane::cli
