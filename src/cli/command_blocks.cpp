// vorlane-cli blocks: how the loader would take a file chosen for upload: its blocks, the class it is sent with
// whole, or why it is refused.

#include "blockfile/block_table.h"
#include "blockfile/upload_classifier.h"
#include "cli/arguments.h"
#include "cli/block_listing.h"
#include "cli/cli_command.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

void PrintBlocksUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli blocks FILE\n\n"
               "Reads FILE as the loader does before an upload and prints each block's id, name, transfer class,\n"
               "load address, data length and CRC result; or, for a file that is not a block file, why not and\n"
               "the class it is sent with whole (5 for \"QV1 TPDB Data\" files, 4 for names ending in key, 3 for\n"
               "names ending in s1). Exit status 0 when the loader takes the file, 1 when it refuses it.\n",
               out);
}

const char* WholeFileKind(TransferClass transferClass) {
    switch (transferClass) {
    case TransferClass::P2Gold:
        return "QV1 TPDB data";
    case TransferClass::P2:
        return "key file";
    case TransferClass::Sky:
        return "s1 file";
    default:
        return "whole file";
    }
}

void PrintNotABlockFile(std::FILE* out, const BlockFileReport& report) {
    std::fprintf(out, "not a block file: %s (block at offset %#zx)\n", BlockFileFaultText(report.fault),
                 report.faultOffset);
}

} // namespace

int RunBlocks(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintBlocksUsage(stdout);
        return kExitOk;
    }
    if (args.size() != 1 || IsOption(args[0]) || args[0][0] == '\0') {
        std::fputs("vorlane-cli blocks: expects one file\n\n", stderr);
        PrintBlocksUsage(stderr);
        return kExitUsage;
    }
    BlockTable table;
    UploadRefusal refusal = UploadRefusal::None;
    BlockFileReport report;
    if (!LoadUploadFile(args[0], table, &refusal, &report)) {
        if (refusal == UploadRefusal::CannotOpen) {
            std::fprintf(stderr, "vorlane-cli blocks: %s: Can't open the file.\n", args[0]);
        } else {
            PrintNotABlockFile(stderr, report);
            std::fprintf(stderr, "vorlane-cli blocks: %s: refused, not a file the loader sends whole either\n",
                         args[0]);
        }
        return kExitFailed;
    }
    // The loader keeps the flag set for a block file and clears it for a file sent whole.
    if (table.BlockFileFlag()) {
        std::printf("block file: %zu block%s\n", table.Count(), table.Count() == 1 ? "" : "s");
        PrintBlockTable(stdout, table);
    } else {
        PrintNotABlockFile(stdout, report);
        std::printf("whole file: class %u (%s), %u bytes\n", static_cast<unsigned>(table[0].EntryClass()),
                    WholeFileKind(table[0].EntryClass()), table[0].size());
    }
    return kExitOk;
}

} // namespace vorlane::cli
