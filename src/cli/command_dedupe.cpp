// vorlane-cli dedupe: IN opened as the editor does, duplicate transponders merged and duplicate channels
// removed, and the result saved to OUT; or, with --dry-run, the duplicates listed and nothing written.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "database/channel_database.h"
#include "listtools/channel_entries.h"
#include "listtools/duplicate_channels.h"
#include "listtools/duplicate_transponders.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vorlane::cli {
namespace {

void PrintDedupeUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli dedupe IN OUT [--dry-run]\n\n"
               "Opens IN as the editor's Open command does, merges transponders of the same satellite,\n"
               "frequency, polarisation and symbol rate into the first of them, removes duplicate channels\n"
               "(per tuner and type: same satellite, frequency, polarisation and program number, or the same\n"
               "name when both program numbers are 0; the first in the list stays) and saves the result to OUT.\n"
               "With --dry-run the duplicates are listed and nothing is written. Exit status 0 when done, 1 when\n"
               "IN is refused or OUT cannot be written.\n",
               out);
}

void PrintGroups(const ChannelDatabase& db, const std::vector<TransponderGroup>& transponders,
                 const std::vector<DuplicateGroup>& channels) {
    for (const TransponderGroup& group : transponders) {
        const ConstTransponderRecord kept = db.Transponder(group.kept);
        std::printf("transponder %u %c %u: keeps #%d, merges", kept.Frequency(),
                    PolarisationLetter(kept.Tuning().PolarisationCode()), kept.SymbolRate(), group.kept);
        for (const int duplicate : group.duplicates)
            std::printf(" #%d", duplicate);
        std::printf("\n");
    }
    for (const DuplicateGroup& group : channels) {
        const ChannelEntry kept = EntryOfPk(db, group.keptPk);
        std::printf("Tuner %d %s: keeps %s\n", TunerNumber(kept.side), ServiceTypeName(kept.type),
                    ChannelSummary(db, group.keptPk).c_str());
        for (const Pk pk : group.duplicatePks)
            std::printf("  removes %s\n", ChannelSummary(db, pk).c_str());
    }
}

} // namespace

int RunDedupe(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintDedupeUsage(stdout);
        return kExitOk;
    }
    const bool dryRun = args.size() == 3 && std::strcmp(args[2], "--dry-run") == 0;
    if ((args.size() != 2 && !dryRun) || IsOption(args[0]) || IsOption(args[1])) {
        std::fputs("vorlane-cli dedupe: expects an input and an output file, and --dry-run or nothing\n\n", stderr);
        PrintDedupeUsage(stderr);
        return kExitUsage;
    }
    ChannelDatabase db;
    if (!OpenAsEditor(db, "dedupe", args[0]))
        return kExitFailed;
    const std::vector<DuplicateGroup> channels = FindDuplicateChannels(db);
    if (dryRun) {
        const std::vector<TransponderGroup> transponders = FindDuplicateTransponders(db);
        PrintGroups(db, transponders, channels);
        std::printf("%zu duplicate transponder groups, %zu duplicate channel groups; nothing written.\n",
                    transponders.size(), channels.size());
        return kExitOk;
    }
    const int removed = RemoveDuplicateChannels(db, AllDuplicatePks(channels));
    const TransponderMergeResult merged = MergeDuplicateTransponders(db);
    std::printf("%d duplicate channels removed, %d duplicate transponders merged (%d channels moved).\n", removed,
                merged.transpondersMerged, merged.channelSidesMoved);
    return SaveAsEditor(db, args[1]) ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
