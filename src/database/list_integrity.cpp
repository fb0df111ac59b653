#include "database/list_integrity.h"

#include "database/channel_database.h"
#include "database/link_field.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace vorlane {
namespace {

IntegrityPhrase ListName(unsigned kind, int instance) {
    const int group = static_cast<int>(kind) - static_cast<int>(ListKind::Favourite0);
    if (group >= 0 && group < FavouriteGroups::kGroupCount)
        return {VORLANE_TRANSLATABLE("IntegrityCheck", "favourite group %1"), {std::to_string(group + 1)}};
    return {VORLANE_TRANSLATABLE("IntegrityCheck", "list kind %1 head %2"),
            {std::to_string(kind), std::to_string(instance)}};
}

IntegrityPhrase ListName(const ListHead& head) {
    return ListName(static_cast<unsigned>(head.kind), head.instance);
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

void Add(std::vector<IntegrityProblem>& problems, IntegrityPhrase record, const char* pattern,
         std::vector<std::string> values = {}) {
    problems.push_back({std::move(record), {}, {pattern, std::move(values)}});
}

// The width of the field decides what must match: the favourite byte, the 16-bit form, or the 32-bit word apart
// from bit 31, which the record keeps for itself.
bool SameInWidth(std::uint8_t width, LinkWord a, LinkWord b) {
    switch (width) {
    case 8:
        return a.ToFavouriteByte() == b.ToFavouriteByte();
    case 16:
        return a.ToForm16() == b.ToForm16();
    default:
        return (a.Value() & ~LinkWord::kKeptBit) == (b.Value() & ~LinkWord::kKeptBit);
    }
}

bool OnWrongTuner(TunerFilter tuners, TunerSide side) {
    return (tuners == TunerFilter::Tuner1Only && side != TunerSide::First) ||
           (tuners == TunerFilter::Tuner2Only && side != TunerSide::Second);
}

std::string PkText(const ListNode& node) {
    return std::to_string(node.pk.Value());
}

void CheckChannelNode(const ListKindInfo& info, const ListHead& head, const ListNode& node, ConstChannelRecord channel,
                      TunerSide side, std::vector<IntegrityProblem>& problems) {
    if (!channel.PresentOn(side))
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 not present on its tuner"),
            {PkText(node)});
    if (info.typeFilter != kAllTypes && channel.ServiceTypeCode() != info.typeFilter)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 has type %2"),
            {PkText(node), std::to_string(channel.ServiceTypeCode())});
    if (OnWrongTuner(info.tuners, side))
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 on the wrong tuner"),
            {PkText(node)});
    if (node.link.Side() != side)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 link side bit differs from its PK"),
            {PkText(node)});
}

void CheckNodeAgainstRecord(const ChannelDatabase& db, const ListKindInfo& info, const ListHead& head,
                            const ListNode& node, std::vector<IntegrityProblem>& problems) {
    const TunerSide side = node.pk.Side();
    const int records = info.table == RecordTable::Channels ? kChannelCount * kTunerCount : RecordCount(info.table);
    if (node.pk.Value() >= records) {
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 outside the table"),
            {PkText(node)});
        return;
    }
    const std::uint8_t* record = db.RecordOfPk(info.table, node.pk);
    if (ReadLe32(record) == kFreeRecordWord)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 names a free record"),
            {PkText(node)});
    if (info.table == RecordTable::Channels)
        CheckChannelNode(info, head, node, ConstChannelRecord(record), side, problems);
    if (info.headChoice != HeadChoice::Single && node.link.Index() != head.instance)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 link index %2"),
            {PkText(node), std::to_string(node.link.Index())});
    const LinkWord stored = ReadLinkField(info, record, side);
    if (!SameInWidth(info.linkWidth, node.link, stored))
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 node link %2 but record field %3"),
            {PkText(node), Hex(node.link.Value()), Hex(stored.Value())});
}

void CheckHead(const ChannelDatabase& db, const ListKindInfo& info, const ListHead& head,
               std::vector<IntegrityProblem>& problems) {
    if (head.kind != info.kind || head.linkWidth != info.linkWidth)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "kind or width of the head wrong"));
    const ListNode* previous = nullptr;
    unsigned nextKey[kTunerCount] = {0, 0};
    TunerSide lastSide = TunerSide::First;
    int nodes = 0;
    for (const ListNode* node = head.first; node; previous = node, node = node->next) {
        if (++nodes > kChannelCount * kTunerCount) {
            Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "node chain does not end"));
            return;
        }
        if (node->head != &head || node->prev != previous || node->IsFree())
            Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "node %1 badly linked"),
                {std::to_string(nodes - 1)});
        if (lastSide == TunerSide::Second && node->pk.Side() == TunerSide::First)
            Add(problems, ListName(head),
                VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 of tuner 1 after tuner 2's entries"), {PkText(*node)});
        lastSide = node->pk.Side();
        const int keys = KeysCountPerTunerSide(info.kind) ? SideIndex(lastSide) : 0;
        if (node->link.Key() != nextKey[keys])
            Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "PK %1 key %2, expected %3"),
                {PkText(*node), std::to_string(node->link.Key()), std::to_string(nextKey[keys])});
        nextKey[keys] = node->link.Key() + 1;
        CheckNodeAgainstRecord(db, info, head, *node, problems);
    }
    if (head.last != previous)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "last node pointer wrong"));
    if (head.count != nodes)
        Add(problems, ListName(head), VORLANE_TRANSLATABLE("IntegrityCheck", "count %1 but %2 nodes"),
            {std::to_string(head.count), std::to_string(nodes)});
}

using HeadCounts = std::array<std::vector<int>, kMaxListKind + 1>;

// The kinds of a table a record of service type `type` can join; other types only join kinds taking every type.
std::vector<const ListKindInfo*> KindsOf(RecordTable table, int type) {
    std::vector<const ListKindInfo*> kinds;
    for (const ListKindInfo& info : AllListKinds())
        if (info.table == table &&
            (table != RecordTable::Channels || info.typeFilter == kAllTypes || info.typeFilter == type))
            kinds.push_back(&info);
    return kinds;
}

// What a build would put in each head of each kind. One pass over each table, with every kind the record can
// join asked about it while it is at hand.
HeadCounts CountBuildMembers(const ChannelDatabase& db) {
    constexpr int kListedTypes = 3; // TV, radio, data; any other type joins only the kinds taking every type
    HeadCounts counts;
    for (const ListKindInfo& info : AllListKinds())
        counts[static_cast<std::size_t>(info.kind)].assign(static_cast<std::size_t>(info.headCount), 0);
    std::array<std::vector<const ListKindInfo*>, kListedTypes + 1> channelKinds;
    for (int type = 0; type <= kListedTypes; ++type)
        channelKinds[static_cast<std::size_t>(type)] = KindsOf(RecordTable::Channels, type);
    for (const RecordTable table : {RecordTable::Satellites, RecordTable::Transponders, RecordTable::Channels}) {
        const std::vector<const ListKindInfo*> tableKinds = KindsOf(table, kAllTypes);
        for (int index = 0; index < RecordCount(table); ++index) {
            const std::uint8_t* record = db.RecordAt(table, index);
            if (ReadLe32(record) == kFreeRecordWord)
                continue;
            const auto& kinds =
                table == RecordTable::Channels
                    ? channelKinds[std::min<std::size_t>(ConstChannelRecord(record).ServiceTypeCode(), kListedTypes)]
                    : tableKinds;
            for (const ListKindInfo* info : kinds) {
                for (const TunerSide side : ListedSides(table)) {
                    LinkWord link;
                    if (const std::optional<int> instance = db.Lists().BuildHeadOf(*info, index, side, link))
                        ++counts[static_cast<std::size_t>(info->kind)][static_cast<std::size_t>(*instance)];
                }
            }
        }
    }
    return counts;
}

// A list holding as many nodes as a build would give it, each of them checked against its record and none
// twice (their keys run on), holds exactly the build's members.
void CheckMembership(const ListHead& head, int expected, std::vector<IntegrityProblem>& problems) {
    if (head.count != expected)
        Add(problems, ListName(head),
            VORLANE_TRANSLATABLE("IntegrityCheck", "holds %1 entries but %2 records belong in it"),
            {std::to_string(head.count), std::to_string(expected)});
}

} // namespace

void CheckListsAgainstRecords(const ChannelDatabase& db, std::vector<IntegrityProblem>& problems) {
    const HeadCounts members = CountBuildMembers(db);
    for (const ListKindInfo& info : AllListKinds()) {
        if (db.Lists().HeadCount(info.kind) != info.headCount) {
            Add(problems,
                {VORLANE_TRANSLATABLE("IntegrityCheck", "list kind %1"),
                 {std::to_string(static_cast<unsigned>(info.kind))}},
                VORLANE_TRANSLATABLE("IntegrityCheck", "has no heads"));
            continue;
        }
        for (int i = 0; i < info.headCount; ++i) {
            const ListHead& head = *db.Lists().Head(info.kind, i);
            CheckHead(db, info, head, problems);
            CheckMembership(head, members[static_cast<std::size_t>(info.kind)][static_cast<std::size_t>(i)], problems);
        }
    }
}

} // namespace vorlane
