#include "listtools/list_diff.h"

#include "listtools/channel_entries.h"
#include "listtools/channel_matcher.h"

#include <algorithm>
#include <utility>

namespace vorlane {

namespace {

struct MatchedPair {
    std::size_t a; // position in A
    std::size_t b; // position in B
};

void AddField(std::vector<DiffField>& fields, const char* name, unsigned oldValue, unsigned newValue, int number = 0) {
    if (oldValue != newValue)
        fields.push_back({name, number, std::to_string(oldValue), std::to_string(newValue)});
}

const char* YesOrNo(bool value) {
    return value ? VORLANE_TRANSLATABLE("ListCompare", "yes") : VORLANE_TRANSLATABLE("ListCompare", "no");
}

void AddFlag(std::vector<DiffField>& fields, const char* name, bool oldValue, bool newValue) {
    if (oldValue != newValue)
        fields.push_back({name, 0, YesOrNo(oldValue), YesOrNo(newValue)});
}

std::vector<DiffField> ChangedFields(const ChannelEntry& a, const ChannelEntry& b) {
    std::vector<DiffField> fields;
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "frequency"), a.frequency, b.frequency);
    if (a.polarisation != b.polarisation)
        fields.push_back({VORLANE_TRANSLATABLE("ListCompare", "polarisation"), 0,
                          std::string(1, PolarisationLetter(a.polarisation)),
                          std::string(1, PolarisationLetter(b.polarisation))});
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "symbol rate"), a.symbolRate, b.symbolRate);
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "program number"), a.programNumber, b.programNumber);
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "PMT PID"), a.pmtPid, b.pmtPid);
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "video PID"), a.videoPid, b.videoPid);
    for (std::size_t i = 0; i < a.audioPids.size(); ++i)
        AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "audio PID %1"), a.audioPids[i], b.audioPids[i],
                 static_cast<int>(i) + 1);
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "PCR PID"), a.pcrPid, b.pcrPid);
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "teletext PID"), a.teletextPid, b.teletextPid);
    AddField(fields, VORLANE_TRANSLATABLE("ListCompare", "AC3 PID"), a.ac3Pid, b.ac3Pid);
    AddFlag(fields, VORLANE_TRANSLATABLE("ListCompare", "scrambled"), a.scrambled, b.scrambled);
    AddFlag(fields, VORLANE_TRANSLATABLE("ListCompare", "locked"), a.locked, b.locked);
    AddFlag(fields, VORLANE_TRANSLATABLE("ListCompare", "skipped"), a.skipped, b.skipped);
    return fields;
}

int Number(std::size_t position) {
    return static_cast<int>(position) + 1;
}

DiffSection CompareList(const ChannelDatabase& dbA, const ChannelDatabase& dbB, TunerSide side, ServiceType type) {
    DiffSection section;
    section.side = side;
    section.type = type;
    const std::vector<ChannelEntry> a = MainListEntries(dbA, side, type);
    const std::vector<ChannelEntry> b = MainListEntries(dbB, side, type);
    ChannelMatcher matcher(a);
    std::vector<bool> aMatched(a.size(), false);
    std::vector<MatchedPair> pairs;
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (const int i = matcher.Match(b[j]); i >= 0) {
            aMatched[static_cast<std::size_t>(i)] = true;
            pairs.push_back({static_cast<std::size_t>(i), j});
        } else {
            section.added.push_back({Number(j), b[j].name});
        }
    }
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!aMatched[i])
            section.removed.push_back({Number(i), a[i].name});

    std::sort(pairs.begin(), pairs.end(), [](const MatchedPair& x, const MatchedPair& y) { return x.a < y.a; });
    std::vector<int> newPositions;
    for (const MatchedPair& pair : pairs)
        newPositions.push_back(static_cast<int>(pair.b));
    std::vector<bool> kept(pairs.size(), false);
    for (const std::size_t k : LongestIncreasingRun(newPositions))
        kept[k] = true;

    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const ChannelEntry& old = a[pairs[k].a];
        const ChannelEntry& now = b[pairs[k].b];
        if (old.name != now.name)
            section.renamed.push_back({Number(pairs[k].b), old.name, now.name});
        if (!kept[k])
            section.moved.push_back({now.name, Number(pairs[k].a), Number(pairs[k].b)});
        if (std::vector<DiffField> fields = ChangedFields(old, now); !fields.empty())
            section.changed.push_back({Number(pairs[k].b), now.name, std::move(fields)});
    }
    std::sort(section.moved.begin(), section.moved.end(),
              [](const DiffMove& x, const DiffMove& y) { return x.newNumber < y.newNumber; });
    return section;
}

} // namespace

std::string DiffField::Field(const TextTranslator& texts) const {
    return texts.Fill("ListCompare", name, {std::to_string(number)});
}

std::vector<std::size_t> LongestIncreasingRun(const std::vector<int>& sequence) {
    // Patience sorting: tails[k] is the position of the smallest end of an increasing run of length k + 1.
    std::vector<std::size_t> tails;
    std::vector<std::size_t> previous(sequence.size(), SIZE_MAX);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const auto place = std::lower_bound(tails.begin(), tails.end(), sequence[i],
                                            [&sequence](std::size_t t, int v) { return sequence[t] < v; });
        if (place != tails.begin())
            previous[i] = *(place - 1);
        if (place == tails.end())
            tails.push_back(i);
        else
            *place = i;
    }
    std::vector<std::size_t> run;
    for (std::size_t i = tails.empty() ? SIZE_MAX : tails.back(); i != SIZE_MAX; i = previous[i])
        run.push_back(i);
    std::reverse(run.begin(), run.end());
    return run;
}

ListDiff CompareLists(const ChannelDatabase& a, const ChannelDatabase& b) {
    ListDiff diff;
    for (const TunerSide side : kTunerSides)
        for (const ServiceType type : kEveryServiceType)
            if (DiffSection section = CompareList(a, b, side, type); !section.empty())
                diff.sections.push_back(std::move(section));
    return diff;
}

} // namespace vorlane
