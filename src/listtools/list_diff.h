#pragma once
// Comparing two channel databases list by list (each tuner and service type), channels matched as
// ChannelMatcher does: what was added, removed, renamed, moved or changed from A to B.

#include "database/channel_database.h"
#include "platform/text_translator.h"

#include <string>
#include <vector>

namespace vorlane {

struct DiffChannel {
    int number = 0; // channel number (position + 1) in its list
    std::string name;
};

struct DiffRename {
    int number = 0; // in B
    std::string oldName;
    std::string newName;
};

// Only a change of order relative to the other matched channels counts, not a number shifted by an
// addition or removal before it.
struct DiffMove {
    std::string name; // in B
    int oldNumber = 0;
    int newNumber = 0;
};

struct DiffField {
    const char* name = ""; // "frequency", "video PID", "audio PID %1", "scrambled", ... (context "ListCompare")
    int number = 0;        // what %1 in the name stands for: the audio PID's number
    std::string oldValue;  // a number, a polarisation letter, or "yes"/"no" (context "ListCompare")
    std::string newValue;

    // "audio PID 2"; in the language of `texts`.
    std::string Field(const TextTranslator& texts = EnglishTexts()) const;
};

struct DiffChange {
    int number = 0; // in B
    std::string name;
    std::vector<DiffField> fields;
};

struct DiffSection {
    TunerSide side = TunerSide::First;
    ServiceType type = ServiceType::Tv;
    std::vector<DiffChannel> added;   // numbers in B
    std::vector<DiffChannel> removed; // numbers in A
    std::vector<DiffRename> renamed;
    std::vector<DiffMove> moved;
    std::vector<DiffChange> changed;

    bool empty() const {
        return added.empty() && removed.empty() && renamed.empty() && moved.empty() && changed.empty();
    }
};

struct ListDiff {
    std::vector<DiffSection> sections; // only lists with a difference; tuner 1 first, then TV, radio, data
    bool Equal() const { return sections.empty(); }
};

ListDiff CompareLists(const ChannelDatabase& a, const ChannelDatabase& b);

// The positions (indexes into `sequence`) of one longest strictly increasing subsequence.
std::vector<std::size_t> LongestIncreasingRun(const std::vector<int>& sequence);

} // namespace vorlane
