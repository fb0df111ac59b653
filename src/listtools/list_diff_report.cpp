#include "listtools/list_diff_report.h"

#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"

namespace vorlane {

namespace {

std::string Numbered(int number, const std::string& name) {
    return "#" + std::to_string(number) + " " + Latin1ToUtf8(name);
}

} // namespace

std::string DiffSectionTitle(const DiffSection& section) {
    return "Tuner " + std::to_string(section.side + 1) + " " + ServiceTypeName(section.type);
}

std::string DiffSectionCounts(const DiffSection& section) {
    return std::to_string(section.added.size()) + " added, " + std::to_string(section.removed.size()) + " removed, " +
           std::to_string(section.renamed.size()) + " renamed, " + std::to_string(section.moved.size()) + " moved, " +
           std::to_string(section.changed.size()) + " changed";
}

std::vector<std::string> DiffSectionLines(const DiffSection& section) {
    std::vector<std::string> lines;
    for (const DiffChannel& channel : section.added)
        lines.push_back("added    " + Numbered(channel.number, channel.name));
    for (const DiffChannel& channel : section.removed)
        lines.push_back("removed  " + Numbered(channel.number, channel.name));
    for (const DiffRename& rename : section.renamed)
        lines.push_back("renamed  " + Numbered(rename.number, rename.oldName) + " -> " + Latin1ToUtf8(rename.newName));
    for (const DiffMove& move : section.moved)
        lines.push_back("moved    " + Latin1ToUtf8(move.name) + " #" + std::to_string(move.oldNumber) + " -> #" +
                        std::to_string(move.newNumber));
    for (const DiffChange& change : section.changed) {
        std::string line = "changed  " + Numbered(change.number, change.name) + ":";
        const char* separator = " ";
        for (const DiffField& field : change.fields) {
            line += separator + field.field + " " + field.oldValue + " -> " + field.newValue;
            separator = "; ";
        }
        lines.push_back(line);
    }
    return lines;
}

std::string DiffText(const ListDiff& diff) {
    if (diff.equal())
        return "The lists are equal.\n";
    std::string text;
    for (const DiffSection& section : diff.sections) {
        text += DiffSectionTitle(section) + ": " + DiffSectionCounts(section) + "\n";
        for (const std::string& line : DiffSectionLines(section))
            text += "  " + line + "\n";
    }
    return text;
}

} // namespace vorlane
