// vorlane-cli convert: the editor started fresh, IN opened with Open and saved to OUT with Save as.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "database/channel_database.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

void PrintConvertUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli convert IN OUT\n\n"
               "Opens IN as the editor's Open command does (a channel file of 851968 bytes, a SATCODX file or a\n"
               "channel list) and saves the database to OUT as a channel file, replacing OUT only once the new\n"
               "file is complete. Exit status 0 when written, 1 when IN is refused or OUT cannot be written.\n",
               out);
}

} // namespace

int RunConvert(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintConvertUsage(stdout);
        return kExitOk;
    }
    if (args.size() != 2 || IsOption(args[0]) || IsOption(args[1])) {
        std::fputs("vorlane-cli convert: expects an input and an output file\n\n", stderr);
        PrintConvertUsage(stderr);
        return kExitUsage;
    }
    ChannelDatabase db;
    if (!OpenAsEditor(db, "convert", args[0]))
        return kExitFailed;
    return SaveAsEditor(db, args[1]) ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
