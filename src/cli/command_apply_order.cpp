// vorlane-cli apply-order: IN opened as the editor does, its TV and radio lists given the order of the channels
// they share with REF, and the result saved to OUT.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "database/channel_database.h"
#include "listtools/apply_order.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace vorlane::cli {
namespace {

void PrintApplyOrderUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli apply-order REF IN OUT [--favourites]\n\n"
               "Opens REF and IN as the editor's Open command does (a channel file, a SATCODX file or a channel\n"
               "list), gives IN's TV and radio lists the order of REF for the channels found in both (by program\n"
               "number, TS id and network id when both know them, else by name on the same orbital position\n"
               "within 2 MHz and the same polarisation), puts the others behind them in their old order, and\n"
               "saves the result to OUT. --favourites also copies the favourite groups of the matched channels\n"
               "and the group names. Exit status 0 when written, 1 when a file is refused or OUT cannot be\n"
               "written.\n",
               out);
}

} // namespace

int RunApplyOrder(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintApplyOrderUsage(stdout);
        return kExitOk;
    }
    std::vector<const char*> files;
    bool favourites = false;
    bool unknownOption = false;
    for (const char* arg : args) {
        if (std::strcmp(arg, "--favourites") == 0)
            favourites = true;
        else if (IsOption(arg))
            unknownOption = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 3 || unknownOption) {
        std::fputs("vorlane-cli apply-order: expects a reference, an input and an output file\n\n", stderr);
        PrintApplyOrderUsage(stderr);
        return kExitUsage;
    }
    ChannelDatabase reference;
    if (!OpenAsEditor(reference, "apply-order", files[0]))
        return kExitFailed;
    ChannelDatabase db;
    if (!OpenAsEditor(db, "apply-order", files[1]))
        return kExitFailed;
    const ApplyOrderResult result = ApplyReferenceOrder(db, reference, favourites);
    std::printf("%d channels matched, %d unmatched.\n", result.matched, result.unmatched);
    return SaveAsEditor(db, files[2]) ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
