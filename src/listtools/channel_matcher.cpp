#include "listtools/channel_matcher.h"

#include "listtools/folded_text.h"

#include <cstdlib>

namespace vorlane {

namespace {

constexpr int kFrequencyTolerance = 2; // MHz

bool KnowsIds(const ChannelEntry& entry) {
    return IsKnownId(entry.programNumber) && IsKnownId(entry.transportStreamId) && IsKnownId(entry.networkId);
}

std::string NameKey(const ChannelEntry& entry) {
    return LowerCased(Trimmed(entry.name));
}

bool SameTransmission(const ChannelEntry& a, const ChannelEntry& b) {
    return a.orbitalPosition == b.orbitalPosition && a.polarisation == b.polarisation &&
           std::abs(static_cast<int>(a.frequency) - static_cast<int>(b.frequency)) <= kFrequencyTolerance;
}

} // namespace

ChannelMatcher::ChannelMatcher(const std::vector<ChannelEntry>& others)
    : m_others(others), m_taken(others.size(), false) {
    for (std::size_t i = 0; i < others.size(); ++i) {
        const ChannelEntry& other = others[i];
        if (KnowsIds(other))
            m_byIds[{other.programNumber, other.transportStreamId, other.networkId}].push_back(static_cast<int>(i));
        m_byName[NameKey(other)].push_back(static_cast<int>(i));
    }
}

int ChannelMatcher::Match(const ChannelEntry& entry) {
    if (KnowsIds(entry)) {
        const auto found = m_byIds.find({entry.programNumber, entry.transportStreamId, entry.networkId});
        if (found != m_byIds.end())
            if (const int index = TakeFirstFree(found->second, entry, false); index >= 0)
                return index;
    }
    const auto found = m_byName.find(NameKey(entry));
    return found == m_byName.end() ? -1 : TakeFirstFree(found->second, entry, true);
}

int ChannelMatcher::TakeFirstFree(std::vector<int>& candidates, const ChannelEntry& entry, bool byName) {
    for (const int index : candidates) {
        const ChannelEntry& other = m_others[static_cast<std::size_t>(index)];
        if (m_taken[static_cast<std::size_t>(index)])
            continue;
        // Two channels that both know their ids are the same only when the ids say so.
        if (byName && (!SameTransmission(entry, other) || (KnowsIds(entry) && KnowsIds(other))))
            continue;
        m_taken[static_cast<std::size_t>(index)] = true;
        return index;
    }
    return -1;
}

} // namespace vorlane
