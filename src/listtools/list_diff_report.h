#pragma once
// The readable form of a list comparison, as vorlane-cli prints it and the editor shows it. Names are
// given in UTF-8; the texts are in the language of `texts` (context "ListCompare").

#include "listtools/list_diff.h"
#include "platform/text_translator.h"

#include <string>

namespace vorlane {

// "Tuner 1 TV", "Tuner 2 Radio", ...
std::string DiffSectionTitle(const DiffSection& section, const TextTranslator& texts = EnglishTexts());
// "2 added, 1 removed, 0 renamed, 3 moved, 1 changed"
std::string DiffSectionCounts(const DiffSection& section, const TextTranslator& texts = EnglishTexts());
// One line per difference, without a line end: "added    #12 ORF1 HD", "moved    Arte #3 -> #9", ...
std::vector<std::string> DiffSectionLines(const DiffSection& section, const TextTranslator& texts = EnglishTexts());

// "The lists are equal."
std::string ListsEqualText(const TextTranslator& texts = EnglishTexts());
// Every section's title with its counts, then its lines indented; "The lists are equal." when equal.
std::string DiffText(const ListDiff& diff, const TextTranslator& texts = EnglishTexts());

} // namespace vorlane
