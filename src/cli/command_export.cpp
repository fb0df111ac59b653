// vorlane-cli export: the editor started fresh, IN opened with Open and its text listing written to OUT.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "importexport/text_exporter.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

void PrintExportUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli export IN OUT.txt\n\n"
               "Opens IN as the editor's Open command does and writes the text listing of its satellites,\n"
               "transponders, channels and favourite groups to OUT.txt. Exit status 0 when written, 1 when IN is\n"
               "refused or the listing cannot be written.\n",
               out);
}

} // namespace

int RunExport(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintExportUsage(stdout);
        return kExitOk;
    }
    if (args.size() != 2 || IsOption(args[0]) || IsOption(args[1])) {
        std::fputs("vorlane-cli export: expects an input file and an output text file\n\n", stderr);
        PrintExportUsage(stderr);
        return kExitUsage;
    }
    ChannelDatabase db;
    if (!OpenAsEditor(db, "export", args[0]))
        return kExitFailed;
    if (!TextExporter(db).Export(args[1])) {
        std::fprintf(stderr, "%s\n", ExportFailureText(args[1]).c_str());
        return kExitFailed;
    }
    std::printf("%s\n", kWriteCompleteText);
    return kExitOk;
}

} // namespace vorlane::cli
