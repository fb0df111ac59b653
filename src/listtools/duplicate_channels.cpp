#include "listtools/duplicate_channels.h"

#include "database/delete_channels.h"
#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"

#include <compare>
#include <map>
#include <string>

namespace vorlane {

namespace {

struct DuplicateKey {
    int satellite;
    std::uint16_t frequency;
    unsigned polarisation;
    std::uint16_t programNumber;
    std::string name; // only when the program number is unknown
    friend auto operator<=>(const DuplicateKey&, const DuplicateKey&) = default;
};

DuplicateKey KeyOf(const ChannelEntry& entry) {
    const bool known = IsKnownId(entry.programNumber);
    return {entry.satellite, entry.frequency, entry.polarisation, known ? entry.programNumber : std::uint16_t{0},
            known ? std::string() : LowerCased(entry.name)};
}

void CollectGroups(const ChannelDatabase& db, TunerSide side, ServiceType type, std::vector<DuplicateGroup>& groups) {
    std::map<DuplicateKey, std::size_t> groupOfKey; // index into `found`
    std::vector<DuplicateGroup> found;
    for (const ChannelEntry& entry : MainListEntries(db, side, type)) {
        const auto [place, isNew] = groupOfKey.try_emplace(KeyOf(entry), found.size());
        if (isNew)
            found.push_back({entry.pk, {}});
        else
            found[place->second].duplicatePks.push_back(entry.pk);
    }
    for (DuplicateGroup& group : found)
        if (!group.duplicatePks.empty())
            groups.push_back(std::move(group));
}

} // namespace

std::vector<DuplicateGroup> FindDuplicateChannels(const ChannelDatabase& db) {
    std::vector<DuplicateGroup> groups;
    for (const TunerSide side : kTunerSides)
        for (const ServiceType type : kEveryServiceType)
            CollectGroups(db, side, type, groups);
    return groups;
}

int RemoveDuplicateChannels(ChannelDatabase& db, const std::vector<Pk>& pks) {
    return DeleteChannels(db, pks);
}

std::vector<Pk> AllDuplicatePks(const std::vector<DuplicateGroup>& groups) {
    std::vector<Pk> pks;
    for (const DuplicateGroup& group : groups)
        pks.insert(pks.end(), group.duplicatePks.begin(), group.duplicatePks.end());
    return pks;
}

} // namespace vorlane
