#include "listtools/duplicate_transponders.h"

#include "database/list_node.h"
#include "listtools/channel_entries.h"
#include "listtools/main_order.h"

#include <algorithm>
#include <compare>
#include <cstring>
#include <map>

namespace vorlane {

namespace {

struct TransponderKey {
    unsigned satellite;
    std::uint16_t frequency;
    unsigned polarisation;
    std::uint16_t symbolRate;
    friend auto operator<=>(const TransponderKey&, const TransponderKey&) = default;
};

ListKind ByTransponderKind(ServiceType type) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(ListKind::TvByTransponder) +
                                 static_cast<std::uint32_t>(type));
}

std::vector<Pk> ChannelsOnTransponder(const ChannelDatabase& db, ServiceType type, int transponder) {
    std::vector<Pk> pks;
    if (const ListHead* head = db.Lists().Head(ByTransponderKind(type), transponder))
        for (const ListNode* node = head->first; node != nullptr; node = node->next)
            pks.push_back(node->pk);
    return pks;
}

// The kept transponder's channels first, then each duplicate's, keyed in that order.
int MoveChannels(ChannelDatabase& db, const TransponderGroup& group) {
    int moved = 0;
    for (const ServiceType type : kEveryServiceType) {
        std::vector<Pk> pks = ChannelsOnTransponder(db, type, group.kept);
        const std::size_t own = pks.size();
        for (const int duplicate : group.duplicates) {
            const std::vector<Pk> more = ChannelsOnTransponder(db, type, duplicate);
            pks.insert(pks.end(), more.begin(), more.end());
        }
        moved += static_cast<int>(pks.size() - own);
        unsigned key = 0;
        for (const Pk pk : pks) {
            const ChannelRecord channel = db.ChannelOfPk(pk);
            const TunerSide side = pk.Side();
            channel.SetTransponderLink(
                side, channel.TransponderLink(side).WithIndex(static_cast<unsigned>(group.kept)).WithKey(key++));
        }
    }
    return moved;
}

void FreeTransponder(ChannelDatabase& db, int index) {
    std::memset(db.Transponder(index).RecordBytes(), 0xFF, kTransponderRecordSize);
}

} // namespace

std::vector<TransponderGroup> FindDuplicateTransponders(const ChannelDatabase& db) {
    std::map<TransponderKey, std::size_t> groupOfKey;
    std::vector<TransponderGroup> found;
    if (const ListHead* head = db.Lists().Head(ListKind::Transponders, 0)) {
        for (const ListNode* node = head->first; node != nullptr; node = node->next) {
            const ConstTransponderRecord record = db.Transponder(node->pk.Record());
            const TransponderKey key{record.SatelliteLink().Index(), record.Frequency(),
                                     record.Tuning().PolarisationCode(), record.SymbolRate()};
            const auto [place, isNew] = groupOfKey.try_emplace(key, found.size());
            if (isNew)
                found.push_back({node->pk.Record(), {}});
            else
                found[place->second].duplicates.push_back(node->pk.Record());
        }
    }
    std::erase_if(found, [](const TransponderGroup& group) { return group.duplicates.empty(); });
    return found;
}

TransponderMergeResult MergeDuplicateTransponders(ChannelDatabase& db) {
    TransponderMergeResult result;
    const std::vector<TransponderGroup> groups = FindDuplicateTransponders(db);
    if (groups.empty())
        return result;
    for (const TransponderGroup& group : groups)
        result.channelSidesMoved += MoveChannels(db, group);
    for (const TransponderGroup& group : groups) {
        for (const int duplicate : group.duplicates)
            FreeTransponder(db, duplicate);
        result.transpondersMerged += static_cast<int>(group.duplicates.size());
    }
    RebuildAfterListEdit(db);
    db.SetModified(true);
    return result;
}

} // namespace vorlane
