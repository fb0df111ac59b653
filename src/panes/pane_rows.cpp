#include "panes/pane_rows.h"

#include "panes/latin1_case.h"
#include "panes/pane_commands.h"
#include "platform/trace.h"

#include <algorithm>
#include <cstdint>

namespace vorlane {
namespace {

// The record indexes of a satellite or transponder list, in list order.
std::vector<int> ListMembers(const ListHead* head) {
    std::vector<int> members;
    if (!head)
        return members;
    members.reserve(head->count);
    for (const ListNode* node = head->first; node; node = node->next)
        members.push_back(node->pk.Record());
    return members;
}

ListKind Typed(ListKind first, ServiceType type) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(first) + static_cast<std::uint32_t>(type));
}

const ListHead* ChannelSource(const ChannelDatabase& db, const ChannelRowsQuery& query) {
    const OrderedLists& lists = db.Lists();
    if (query.chosen.Favourite()) {
        DebugOut("param1=%d, nFvIndex=%d\n", static_cast<int>(query.type), query.chosen.index);
        if (query.chosen.index < 0 || query.chosen.index >= FavouriteGroups::kGroupCount)
            return nullptr;
        return lists.Head(FavouriteKind(query.chosen.index), 0);
    }
    switch (query.displayFilter) {
    case kFilterAllChannels:
        return lists.Head(Typed(ListKind::TvChannels, query.type), 0);
    case kFilterTuner1Channels:
        return lists.Head(Typed(ListKind::Tuner1Tv, query.type), 0);
    case kFilterTuner2Channels:
        return lists.Head(Typed(ListKind::Tuner2Tv, query.type), 0);
    case kFilterFtaChannels:
        return lists.Head(Typed(ListKind::TvByScrambling, query.type), 0);
    case kFilterScrambledChannels:
        return lists.Head(Typed(ListKind::TvByScrambling, query.type), 1);
    default:
        return nullptr;
    }
}

bool PassesFilters(const ChannelDatabase& db, const ChannelRowsQuery& query, Pk pk) {
    const ConstChannelRecord record = db.ChannelOfPk(pk);
    const TunerSide side = pk.Side();
    if (record.ServiceTypeCode() != static_cast<std::uint8_t>(query.type))
        return false;
    if (query.satellite != -1 && static_cast<int>(record.SatelliteLink(side).Index()) != query.satellite)
        return false;
    if (query.transponder != -1 && static_cast<int>(record.TransponderLink(side).Index()) != query.transponder)
        return false;
    return query.favourite == -1 || record.FavouriteByte(side, query.favourite) != 0;
}

// Names without a name (empty or ".") say nothing, so they go last.
bool IsBlankName(const std::string& name) {
    return name.empty() || name == ".";
}

// Names compare without regard to case; blank names come after all others.
bool NameBefore(const std::string& a, const std::string& b) {
    if (IsBlankName(a) != IsBlankName(b))
        return IsBlankName(b);
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldLatin1Case(x)) < static_cast<unsigned char>(FoldLatin1Case(y));
    });
}

} // namespace

std::vector<int> SatelliteRows(const ChannelDatabase& db, int sortMode) {
    std::vector<int> rows = ListMembers(db.Lists().Head(ListKind::Satellites, 0));
    if (sortMode == 1)
        std::stable_sort(rows.begin(), rows.end(), [&db](int a, int b) {
            return db.Satellite(a).OrbitalPosition() < db.Satellite(b).OrbitalPosition();
        });
    return rows;
}

std::vector<int> TransponderRows(const ChannelDatabase& db, int satellite, int sortMode) {
    DebugOut("nSatelliteIndex=%d\n", satellite);
    const ListHead* head = satellite == -1 ? db.Lists().Head(ListKind::Transponders, 0)
                                           : db.Lists().Head(ListKind::SatelliteTransponders, satellite);
    std::vector<int> rows = ListMembers(head);
    if (sortMode == 1)
        std::stable_sort(rows.begin(), rows.end(),
                         [&db](int a, int b) { return db.Transponder(a).Frequency() < db.Transponder(b).Frequency(); });
    else if (sortMode != 0)
        DebugOut("unknown sort method...\n");
    return rows;
}

std::vector<Pk> ChannelRows(const ChannelDatabase& db, const ChannelRowsQuery& query) {
    std::vector<Pk> rows;
    const ListHead* head = ChannelSource(db, query);
    if (!head)
        return rows;
    rows.reserve(head->count);
    for (const ListNode* node = head->first; node; node = node->next)
        if (PassesFilters(db, query, node->pk))
            rows.push_back(node->pk);
    if (query.sortedByName) {
        std::vector<std::pair<std::string, Pk>> named;
        named.reserve(rows.size());
        for (const Pk pk : rows)
            named.emplace_back(db.ChannelOfPk(pk).Name(), pk);
        std::stable_sort(named.begin(), named.end(),
                         [](const auto& a, const auto& b) { return NameBefore(a.first, b.first); });
        for (std::size_t i = 0; i < named.size(); ++i)
            rows[i] = named[i].second;
    }
    return rows;
}

bool MatchesSelectionRule(const ChannelDatabase& db, Pk pk, int rule) {
    const TunerSide side = pk.Side();
    const ServiceWord word = db.ChannelOfPk(pk).SidedServiceWord(side);
    switch (rule) {
    case 0:
        return true;
    case 1:
        return side == TunerSide::First;
    case 2:
        return side == TunerSide::Second;
    case 3:
        return !word.Scrambled();
    case 4:
        return word.Scrambled();
    case 5:
        return word.Locked();
    case 6:
        return word.Skipped();
    default:
        return false;
    }
}

} // namespace vorlane
