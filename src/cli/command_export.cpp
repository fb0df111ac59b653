// vorlane-cli export: the editor started fresh, IN opened with Open and its text listing (or its channels as
// CSV) written to OUT.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "importexport/text_exporter.h"
#include "listtools/csv_listing.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace vorlane::cli {
namespace {

void PrintExportUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli export [--format text|csv] IN OUT\n\n"
               "Opens IN as the editor's Open command does and writes the text listing of its satellites,\n"
               "transponders, channels and favourite groups to OUT (--format text, the default), or one CSV row\n"
               "per channel and tuner with a header row, in UTF-8 (--format csv). Exit status 0 when written, 1\n"
               "when IN is refused or the listing cannot be written.\n",
               out);
}

} // namespace

int RunExport(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintExportUsage(stdout);
        return kExitOk;
    }
    bool csv = false;
    bool usageError = false;
    std::vector<const char*> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (std::strcmp(args[i], "--format") == 0 && i + 1 < args.size()) {
            const char* format = args[++i];
            csv = std::strcmp(format, "csv") == 0;
            usageError = usageError || (!csv && std::strcmp(format, "text") != 0);
        } else if (IsOption(args[i])) {
            usageError = true;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2 || usageError) {
        std::fputs("vorlane-cli export: expects an input file, an output file and at most --format text|csv\n\n",
                   stderr);
        PrintExportUsage(stderr);
        return kExitUsage;
    }
    ChannelDatabase db;
    if (!OpenAsEditor(db, "export", files[0]))
        return kExitFailed;
    if (!(csv ? ExportCsv(db, files[1]) : TextExporter(db).Export(files[1]))) {
        std::fprintf(stderr, "%s\n", ExportFailureText(files[1]).c_str());
        return kExitFailed;
    }
    std::printf("%s\n", kWriteCompleteText);
    return kExitOk;
}

} // namespace vorlane::cli
