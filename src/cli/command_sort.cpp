// vorlane-cli sort: IN opened as the editor does, the TV and radio main lists of both tuners renumbered in one
// order, and the result saved to OUT.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "database/channel_database.h"
#include "listtools/list_sort.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace vorlane::cli {
namespace {

void PrintSortUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli sort --by name|frequency|sid|satellite IN OUT\n\n"
               "Opens IN as the editor's Open command does, renumbers the TV and radio lists of both tuners in\n"
               "the chosen order (names without regard to case and accents, satellites in the satellite list's\n"
               "order; channels that compare equal keep their order) and saves the result to OUT as a channel\n"
               "file. Exit status 0 when written, 1 when IN is refused or OUT cannot be written.\n",
               out);
}

int SortUsageError(const char* reason) {
    std::fprintf(stderr, "vorlane-cli sort: %s\n\n", reason);
    PrintSortUsage(stderr);
    return kExitUsage;
}

} // namespace

int RunSort(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintSortUsage(stdout);
        return kExitOk;
    }
    if (args.size() != 4 || std::strcmp(args[0], "--by") != 0 || IsOption(args[2]) || IsOption(args[3]))
        return SortUsageError("expects --by KEY, an input and an output file");
    const std::optional<SortKey> key = SortKeyOfWord(args[1]);
    if (!key)
        return SortUsageError("the order is one of name, frequency, sid, satellite");
    ChannelDatabase db;
    if (!OpenAsEditor(db, "sort", args[2]))
        return kExitFailed;
    SortAllMainLists(db, *key);
    return SaveAsEditor(db, args[3]) ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
