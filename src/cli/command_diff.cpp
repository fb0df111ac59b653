// vorlane-cli diff: A and B opened as the editor does and compared list by list.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "cli/json_text.h"
#include "database/channel_database.h"
#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"
#include "listtools/list_diff.h"
#include "listtools/list_diff_report.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vorlane::cli {
namespace {

constexpr int kExitDifferent = 1;

void PrintDiffUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli diff A B [--json]\n\n"
               "Opens A and B as the editor's Open command does and lists, per tuner and type, the channels\n"
               "added, removed, renamed, moved (their order among the others changed) and changed (frequency,\n"
               "PIDs, flags) from A to B; channels are matched as apply-order matches them. --json prints the\n"
               "same for scripts. Exit status 0 when the lists are equal, 1 when they differ, 2 on a usage error\n"
               "or a file that is refused.\n",
               out);
}

std::string JsonName(const std::string& name) {
    return JsonString(Latin1ToUtf8(name));
}

template <typename Item, typename Writer> std::string JsonArray(const std::vector<Item>& items, Writer write) {
    std::string json = "[";
    const char* separator = "";
    for (const Item& item : items) {
        json += separator + write(item);
        separator = ",";
    }
    return json + "]";
}

std::string SectionJson(const DiffSection& section) {
    const auto channel = [](const DiffChannel& c) {
        return "{\"number\":" + std::to_string(c.number) + ",\"name\":" + JsonName(c.name) + "}";
    };
    const auto rename = [](const DiffRename& r) {
        return "{\"number\":" + std::to_string(r.number) + ",\"old_name\":" + JsonName(r.oldName) +
               ",\"new_name\":" + JsonName(r.newName) + "}";
    };
    const auto move = [](const DiffMove& m) {
        return "{\"name\":" + JsonName(m.name) + ",\"old_number\":" + std::to_string(m.oldNumber) +
               ",\"new_number\":" + std::to_string(m.newNumber) + "}";
    };
    const auto field = [](const DiffField& f) {
        return "{\"field\":" + JsonString(f.Field()) + ",\"old\":" + JsonString(f.oldValue) +
               ",\"new\":" + JsonString(f.newValue) + "}";
    };
    const auto change = [&field](const DiffChange& c) {
        return "{\"number\":" + std::to_string(c.number) + ",\"name\":" + JsonName(c.name) +
               ",\"fields\":" + JsonArray(c.fields, field) + "}";
    };
    return "{\"tuner\":" + std::to_string(TunerNumber(section.side)) +
           ",\"type\":" + JsonString(ServiceTypeName(section.type)) +
           ",\"added\":" + JsonArray(section.added, channel) + ",\"removed\":" + JsonArray(section.removed, channel) +
           ",\"renamed\":" + JsonArray(section.renamed, rename) + ",\"moved\":" + JsonArray(section.moved, move) +
           ",\"changed\":" + JsonArray(section.changed, change) + "}";
}

} // namespace

int RunDiff(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintDiffUsage(stdout);
        return kExitOk;
    }
    const bool json = args.size() == 3 && std::strcmp(args[2], "--json") == 0;
    if ((args.size() != 2 && !json) || IsOption(args[0]) || IsOption(args[1])) {
        std::fputs("vorlane-cli diff: expects two files, and --json or nothing\n\n", stderr);
        PrintDiffUsage(stderr);
        return kExitUsage;
    }
    ChannelDatabase a;
    ChannelDatabase b;
    // A refused file is no answer to "equal or not", so it does not share the "different" status.
    if (!OpenAsEditor(a, "diff", args[0]) || !OpenAsEditor(b, "diff", args[1]))
        return kExitUsage;
    const ListDiff diff = CompareLists(a, b);
    if (json)
        std::printf("{\"equal\":%s,\"sections\":%s}\n", diff.Equal() ? "true" : "false",
                    JsonArray(diff.sections, SectionJson).c_str());
    else
        std::fputs(DiffText(diff).c_str(), stdout);
    return diff.Equal() ? kExitOk : kExitDifferent;
}

} // namespace vorlane::cli
