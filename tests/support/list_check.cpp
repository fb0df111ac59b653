#include "list_check.h"

#include "database/link_field.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

class Problems {
public:
    std::ostream& add() {
        ++m_count;
        if (m_count > kShown)
            return m_discard;
        m_text << "\n  ";
        return m_text;
    }
    ::testing::AssertionResult result() const {
        if (m_count == 0)
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure() << m_count << " list problem(s):" << m_text.str();
        if (m_count > kShown)
            failure << "\n  ...";
        return failure;
    }

private:
    static constexpr int kShown = 20;
    int m_count = 0;
    std::ostringstream m_text;
    std::ostringstream m_discard;
};

std::string where(const ListHead& head) {
    return "kind " + std::to_string(static_cast<unsigned>(head.kind)) + " head " + std::to_string(head.instance);
}

// The width of the field decides what must match: the favourite byte, the 16-bit form, or the
// 32-bit word apart from bit 31, which the record keeps for itself.
bool sameInWidth(std::uint8_t width, LinkWord a, LinkWord b) {
    switch (width) {
    case 8:
        return a.toFavouriteByte() == b.toFavouriteByte();
    case 16:
        return a.toForm16() == b.toForm16();
    default:
        return (a.value() & ~LinkWord::kKeptBit) == (b.value() & ~LinkWord::kKeptBit);
    }
}

void checkNodeAgainstRecord(const ChannelDatabase& db, const ListKindInfo& info, const ListHead& head,
                            const ListNode& node, Problems& problems) {
    const int side = TunerSideOfPk(node.pk);
    const RecordTables tables{db.arrSatellite(), db.arrTransponder(), db.arrChannel()};
    if (info.table != RecordTable::Channels ? node.pk >= RecordCount(info.table)
                                            : node.pk >= kChannelCount * kTunerCount) {
        problems.add() << where(head) << ": PK " << node.pk << " outside the table";
        return;
    }
    const std::uint8_t* record = tables.recordOfPk(info.table, node.pk);
    if (readLe32(record) == kFreeRecordWord)
        problems.add() << where(head) << ": PK " << node.pk << " names a free record";
    if (info.table == RecordTable::Channels) {
        const ConstChannelRecord channel(record);
        if (!channel.presentOn(side))
            problems.add() << where(head) << ": PK " << node.pk << " not present on its tuner";
        if (info.typeFilter != kAllTypes && channel.serviceType() != info.typeFilter)
            problems.add() << where(head) << ": PK " << node.pk << " has type " << int{channel.serviceType()};
        if ((info.tuners == TunerFilter::Tuner1Only && side != 0) ||
            (info.tuners == TunerFilter::Tuner2Only && side != 1))
            problems.add() << where(head) << ": PK " << node.pk << " on the wrong tuner";
        if (node.link.tunerSide() != static_cast<unsigned>(side))
            problems.add() << where(head) << ": PK " << node.pk << " link side bit differs from its PK";
    }
    if (info.headChoice != HeadChoice::Single && node.link.index() != head.instance)
        problems.add() << where(head) << ": PK " << node.pk << " link index " << node.link.index();
    const LinkWord stored = ReadLinkField(info, record, side);
    if (!sameInWidth(info.linkWidth, node.link, stored))
        problems.add() << where(head) << ": PK " << node.pk << " node link " << std::hex << node.link.value()
                       << " but record field " << stored.value() << std::dec;
}

void checkHead(const ChannelDatabase& db, const ListKindInfo& info, const ListHead& head, Problems& problems) {
    if (head.kind != info.kind || head.linkWidth != info.linkWidth)
        problems.add() << where(head) << ": kind or width of the head wrong";
    const ListNode* previous = nullptr;
    unsigned nextKey[kTunerCount] = {0, 0};
    int nodes = 0;
    for (const ListNode* node = head.first; node; previous = node, node = node->next) {
        if (++nodes > 2 * kChannelCount) {
            problems.add() << where(head) << ": node chain does not end";
            return;
        }
        if (node->head != &head || node->prev != previous || node->isFree())
            problems.add() << where(head) << ": node " << nodes - 1 << " badly linked";
        const int side = KeysCountPerTunerSide(info.kind) ? TunerSideOfPk(node->pk) : 0;
        if (node->link.key() != nextKey[side])
            problems.add() << where(head) << ": PK " << node->pk << " key " << node->link.key() << ", expected "
                           << nextKey[side];
        nextKey[side] = node->link.key() + 1;
        checkNodeAgainstRecord(db, info, head, *node, problems);
    }
    if (head.last != previous)
        problems.add() << where(head) << ": last node pointer wrong";
    if (head.count != nodes)
        problems.add() << where(head) << ": count " << head.count << " but " << nodes << " nodes";
}

std::vector<std::uint16_t> membersOfSide(const ListHead* head, int side) {
    std::vector<std::uint16_t> pks;
    for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
        if (TunerSideOfPk(node->pk) == side)
            pks.push_back(node->pk);
    return pks;
}

std::string firstDifference(ConstByteSpan a, ConstByteSpan b) {
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin());
    if (mismatch.first == a.end())
        return {};
    std::ostringstream text;
    text << "offset 0x" << std::hex << (mismatch.first - a.begin());
    return text.str();
}

void compareWithRebuild(const ChannelDatabase& db, Problems& problems) {
    ChannelDatabase rebuilt;
    rebuilt.AllocateTables();
    std::memcpy(rebuilt.satelliteBuffer().data(), db.satelliteBuffer().data(), kSatelliteBufferSize);
    std::memcpy(rebuilt.channelBuffer().data(), db.channelBuffer().data(), kChannelBufferSize);
    rebuilt.BuildAllLists();

    for (const ListKindInfo& info : AllListKinds()) {
        for (int i = 0; i < info.headCount; ++i) {
            const ListHead* mine = db.lists().Head(info.kind, i);
            const ListHead* fresh = rebuilt.lists().Head(info.kind, i);
            for (int side = 0; side < kTunerCount; ++side)
                if (membersOfSide(mine, side) != membersOfSide(fresh, side))
                    problems.add() << "kind " << static_cast<unsigned>(info.kind) << " head " << i << " tuner "
                                   << side + 1 << ": members or order differ from a rebuild";
        }
    }
    if (const auto at = firstDifference(db.satelliteBuffer(), rebuilt.satelliteBuffer()); !at.empty())
        problems.add() << "a rebuild changes the satellite/transponder buffer at " << at;
    if (const auto at = firstDifference(db.channelBuffer(), rebuilt.channelBuffer()); !at.empty())
        problems.add() << "a rebuild changes the channel buffer at " << at;
}

} // namespace

::testing::AssertionResult verifyLists(const ChannelDatabase& db) {
    if (!db.tablesAllocated())
        return ::testing::AssertionFailure() << "the database has no tables";
    Problems problems;
    for (const ListKindInfo& info : AllListKinds()) {
        if (db.lists().HeadCount(info.kind) != info.headCount) {
            problems.add() << "kind " << static_cast<unsigned>(info.kind) << " has no heads";
            continue;
        }
        for (int i = 0; i < info.headCount; ++i)
            checkHead(db, info, *db.lists().Head(info.kind, i), problems);
    }
    compareWithRebuild(db, problems);
    return problems.result();
}

} // namespace vorlane::testing
