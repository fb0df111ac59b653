#include "listtools/list_diff_report.h"

#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"

namespace vorlane {

namespace {

constexpr const char* kContext = "ListCompare";

std::string Numbered(int number, const std::string& name) {
    return "#" + std::to_string(number) + " " + Latin1ToUtf8(name);
}

} // namespace

std::string DiffSectionTitle(const DiffSection& section, const TextTranslator& texts) {
    return texts.Fill(
        kContext, VORLANE_TRANSLATABLE("ListCompare", "Tuner %1 %2"),
        {std::to_string(TunerNumber(section.side)), texts.Translate(kContext, ServiceTypeName(section.type))});
}

std::string DiffSectionCounts(const DiffSection& section, const TextTranslator& texts) {
    return texts.Fill(kContext,
                      VORLANE_TRANSLATABLE("ListCompare", "%1 added, %2 removed, %3 renamed, %4 moved, %5 changed"),
                      {std::to_string(section.added.size()), std::to_string(section.removed.size()),
                       std::to_string(section.renamed.size()), std::to_string(section.moved.size()),
                       std::to_string(section.changed.size())});
}

std::vector<std::string> DiffSectionLines(const DiffSection& section, const TextTranslator& texts) {
    std::vector<std::string> lines;
    // English pads the kinds of difference to one width; a translation pads its own.
    for (const DiffChannel& channel : section.added)
        lines.push_back(texts.Fill(kContext, VORLANE_TRANSLATABLE("ListCompare", "added    %1"),
                                   {Numbered(channel.number, channel.name)}));
    for (const DiffChannel& channel : section.removed)
        lines.push_back(texts.Fill(kContext, VORLANE_TRANSLATABLE("ListCompare", "removed  %1"),
                                   {Numbered(channel.number, channel.name)}));
    for (const DiffRename& rename : section.renamed)
        lines.push_back(texts.Fill(kContext, VORLANE_TRANSLATABLE("ListCompare", "renamed  %1 -> %2"),
                                   {Numbered(rename.number, rename.oldName), Latin1ToUtf8(rename.newName)}));
    for (const DiffMove& move : section.moved)
        lines.push_back(
            texts.Fill(kContext, VORLANE_TRANSLATABLE("ListCompare", "moved    %1 #%2 -> #%3"),
                       {Latin1ToUtf8(move.name), std::to_string(move.oldNumber), std::to_string(move.newNumber)}));
    for (const DiffChange& change : section.changed) {
        std::string fields;
        for (const DiffField& field : change.fields) {
            // Numbers and polarisation letters have no translation and stay as they are.
            fields += (fields.empty() ? "" : "; ") +
                      texts.Fill(kContext, VORLANE_TRANSLATABLE("ListCompare", "%1 %2 -> %3"),
                                 {field.Field(texts), texts.Translate(kContext, field.oldValue.c_str()),
                                  texts.Translate(kContext, field.newValue.c_str())});
        }
        lines.push_back(texts.Fill(kContext, VORLANE_TRANSLATABLE("ListCompare", "changed  %1: %2"),
                                   {Numbered(change.number, change.name), fields}));
    }
    return lines;
}

std::string ListsEqualText(const TextTranslator& texts) {
    return texts.Translate(kContext, VORLANE_TRANSLATABLE("ListCompare", "The lists are equal."));
}

std::string DiffText(const ListDiff& diff, const TextTranslator& texts) {
    if (diff.Equal())
        return ListsEqualText(texts) + "\n";
    std::string text;
    for (const DiffSection& section : diff.sections) {
        text += DiffSectionTitle(section, texts) + ": " + DiffSectionCounts(section, texts) + "\n";
        for (const std::string& line : DiffSectionLines(section, texts))
            text += "  " + line + "\n";
    }
    return text;
}

} // namespace vorlane
