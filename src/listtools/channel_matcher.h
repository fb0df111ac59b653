#pragma once
// Finding a channel of one list in another list of the same service type: by program number, TS id and
// network id when both channels know them (all non-zero and not 0xFFFF), else by name (ignoring case and surrounding
// blanks) on the same orbital position, at a frequency within 2 MHz and with the same polarisation. Each
// channel of the other list is matched at most once, the first fitting one first.

#include "listtools/channel_entries.h"

#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace vorlane {

class ChannelMatcher {
public:
    explicit ChannelMatcher(const std::vector<ChannelEntry>& others);

    // The index of the matching channel among `others`, or -1.
    int Match(const ChannelEntry& entry);

private:
    using Ids = std::tuple<std::uint16_t, std::uint16_t, std::uint16_t>;

    int TakeFirstFree(std::vector<int>& candidates, const ChannelEntry& entry, bool byName);

    const std::vector<ChannelEntry>& m_others;
    std::map<Ids, std::vector<int>> m_byIds;
    std::unordered_map<std::string, std::vector<int>> m_byName;
    std::vector<bool> m_taken;
};

} // namespace vorlane
