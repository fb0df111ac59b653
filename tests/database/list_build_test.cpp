#include "database/channel_database.h"
#include "database/favourite_ops.h"
#include "database/node_pool.h"
#include "list_test_util.h"
#include "support/full_database.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using Pks = std::vector<int>;
using Keys = std::vector<unsigned>;

namespace {

class ListBuild : public ::testing::Test {
protected:
    void SetUp() override {
        db.AllocateTables();
        putSatellite(db, 0, "Universal", SatelliteRecord::kLnbTypeUniversal, 0);
        putSatellite(db, 1, "Standard", 0, 1);
        putTransponder(db, 0, 0, 11700, kPolarisationVertical, 0);
        putTransponder(db, 1, 0, 10699, kPolarisationHorizontal, 1);
        putTransponder(db, 2, 1, 11700, kPolarisationVertical, 0);
    }

    ChannelSpec tv(unsigned key1) {
        ChannelSpec spec;
        spec.key1 = key1;
        return spec;
    }

    ChannelDatabase db;
};

// Five tuner-1 TV channels with channel numbers 1..5 on transponder 0, and one radio channel.
class ListOps : public ListBuild {
protected:
    void SetUp() override {
        ListBuild::SetUp();
        for (unsigned key = 0; key < 5; ++key)
            putChannel(db, static_cast<int>(key), tv(key));
        putChannel(db, 5, ChannelSpec{.type = ServiceType::Radio});
        db.BuildAllLists();
    }

    OrderedLists& lists() { return db.lists(); }
    ListHead* tvMain() { return lists().Head(ListKind::TvChannels, 0); }
};

} // namespace

TEST_F(ListBuild, FavouriteByteZeroIsNoMemberAndEightyIsTheFirstMember) {
    ChannelSpec member = tv(0);
    member.favouriteGroup = 2;
    putChannel(db, 1, member);
    putChannel(db, 2, tv(1));
    ChannelSpec later = tv(5);
    later.favouriteGroup = 2;
    putChannel(db, 3, later); // byte 0x85
    db.channel(1).setFavouriteByte(0, 2, 0x80);
    ASSERT_EQ(0x85, db.channel(3).favouriteByte(0, 2));
    db.BuildAllLists();

    EXPECT_EQ((Pks{1, 3}), pksOf(db, FavouriteKind(2), 0));
    EXPECT_EQ(0x80, db.channel(1).favouriteByte(0, 2));
    EXPECT_EQ(0x81, db.channel(3).favouriteByte(0, 2)); // closed up behind the first member
    EXPECT_EQ(0x00, db.channel(2).favouriteByte(0, 2));
    EXPECT_TRUE(pksOf(db, FavouriteKind(0), 0).empty());
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(ListBuild, WriteBackStoresEachFieldInItsOwnWidth) {
    // 16-bit: key renumbered, type bits kept, neighbouring byte untouched.
    db.satellite(0).setListLink(0xC00A);
    db.satellite(1).setListLink(0xC014);
    // 32-bit: bit 31 of the record is kept.
    ChannelSpec flagged = tv(40);
    flagged.favouriteGroup = 7;
    putChannel(db, 9, flagged);
    db.channel(9).setMainLink(0, LinkWord(db.channel(9).mainLink(0).value() | LinkWord::kKeptBit));
    db.BuildAllLists();

    EXPECT_EQ(0xC000, readLe16(db.satellite(0).bytes() + SatelliteRecord::kListLink));
    EXPECT_EQ(0xC001, readLe16(db.satellite(1).bytes() + SatelliteRecord::kListLink));
    EXPECT_EQ(0xFF, db.satellite(0).bytes()[SatelliteRecord::kTunerConnection + 1]);
    EXPECT_EQ(0x80000000u, readLe32(db.channel(9).bytes() + ChannelRecord::kMainLink));
    EXPECT_EQ(0x80, db.channel(9).favouriteByte(0, 7)); // 8-bit: 0x80 | position, was 0x80 | 40
    EXPECT_EQ(0x00, db.channel(9).favouriteByte(1, 7)); // tuner 2 not present: untouched
    // Transponders 0 and 2 share key 0 and stay in table order; transponder 1 (key 1) comes last.
    EXPECT_EQ(LinkWord().withKey(2).toForm16(), db.transponder(1).listLink());
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(ListBuild, LinkIndexBeyondTheHeadsLeavesTheRecordOut) {
    putTransponder(db, 3, 1, 12000, kPolarisationHorizontal, 1);
    db.transponder(3).setSatelliteLink(LinkWord().withIndex(64));
    ChannelSpec spec = tv(0);
    putChannel(db, 0, spec);
    db.channel(0).setFsLink(0, db.channel(0).fsLink(0).withIndex(2));
    db.BuildAllLists();
    for (int s = 0; s < kSatelliteCount; ++s)
        for (const int pk : pksOf(db, ListKind::SatelliteTransponders, s))
            EXPECT_NE(3, pk);
    EXPECT_TRUE(pksOf(db, ListKind::TvByScrambling, 0).empty());
    EXPECT_TRUE(pksOf(db, ListKind::TvByScrambling, 1).empty());
    EXPECT_EQ((Pks{0}), pksOf(db, ListKind::TvChannels, 0));
    EXPECT_FALSE(verifyLists(db)); // the lists agree with the records, but transponder 3 names no satellite
}

TEST_F(ListBuild, FavouriteGroupOrdersAtMost128MembersPerTuner) {
    for (int c = 0; c < 130; ++c) {
        ChannelSpec spec = tv(static_cast<unsigned>(c));
        spec.favouriteGroup = 0;
        spec.onTuner2 = c < 3;
        spec.key2 = static_cast<unsigned>(c);
        putChannel(db, c, spec);
    }
    db.BuildAllLists();

    const ListHead* group = db.lists().Head(FavouriteKind(0), 0);
    EXPECT_EQ(128 + 3, group->count);
    int outside = 0;
    std::vector<bool> seen(128, false);
    for (int c = 0; c < 130; ++c) {
        const std::uint8_t byte = db.channel(c).favouriteByte(0, 0);
        if (byte == 0) {
            ++outside;
            continue;
        }
        ASSERT_EQ(0x80, byte & 0x80);
        EXPECT_FALSE(seen[byte & 0x7F]) << "position stored twice";
        seen[byte & 0x7F] = true;
    }
    EXPECT_EQ(2, outside);
    EXPECT_EQ(0x82, db.channel(2).favouriteByte(1, 0));
    EXPECT_TRUE(verifyLists(db));

    // A 129th tuner-1 member is refused, a fourth tuner-2 member is not; a freed place takes the refused side.
    ListHead* head = db.lists().Head(FavouriteKind(0), 0);
    int dropped = 0;
    while (db.channel(dropped).favouriteByte(0, 0) != 0)
        ++dropped;
    EXPECT_EQ(0, db.lists().Append(head, static_cast<std::uint16_t>(dropped), LinkWord(head->headWord)));
    EXPECT_EQ(0, AddFavorites(db, 0, Pks{dropped}));
    EXPECT_EQ(0, db.channel(dropped).favouriteByte(0, 0));
    db.channel(3).setPresence(1, 1);
    EXPECT_EQ(1, AddFavorites(db, 0, Pks{5003}));
    EXPECT_EQ(0x83, db.channel(3).favouriteByte(1, 0));
    EXPECT_EQ(1, RemoveFavorite(db, 0, dropped == 5 ? 6 : 5));
    EXPECT_EQ(1, AddFavorites(db, 0, Pks{dropped}));
    EXPECT_EQ(0xFF, db.channel(dropped).favouriteByte(0, 0));
    EXPECT_EQ(-1, db.lists().BuildKind(static_cast<ListKind>(30))); // no such kind
}

TEST_F(ListOps, MoveBeforeReordersWithinAListAndAcrossLists) {
    ListNode* target = lists().FindByPk(tvMain(), 1);
    lists().MoveBefore(target, lists().FindByPk(tvMain(), 4));
    lists().MoveBefore(target, lists().FindByPk(tvMain(), 3));
    lists().MoveBefore(target, target); // no-op
    EXPECT_EQ((Pks{0, 4, 3, 1, 2}), pksOf(db, ListKind::TvChannels, 0));

    // A radio channel dragged into the TV list becomes a node of the TV list.
    ListHead* radio = lists().Head(ListKind::RadioChannels, 0);
    ListNode* moved = radio->first;
    lists().MoveBefore(lists().FindByPk(tvMain(), 0), moved);
    EXPECT_EQ(tvMain(), moved->head);
    EXPECT_EQ(0, radio->count);
    EXPECT_EQ(nullptr, radio->first);
    EXPECT_EQ(nullptr, radio->last);
    EXPECT_EQ((Pks{5, 0, 4, 3, 1, 2}), pksOf(db, ListKind::TvChannels, 0));

    // The caller then fixes the record's type and renumbers; the stored numbers follow.
    db.channel(5).setServiceType(0);
    lists().Renumber(tvMain());
    lists().WriteBack(tvMain());
    EXPECT_EQ((Keys{0, 1, 2, 3, 4, 5}), keysOf(db, ListKind::TvChannels, 0));
    EXPECT_EQ(2u, db.channel(4).mainLink(0).key());
    EXPECT_EQ(6, tvMain()->count);
}

TEST_F(ListOps, RemovePkTakesTheSideOutOfEveryHeadAndClosesUp) {
    EXPECT_EQ(1, lists().RemovePk(ListKind::TvByTransponder, 2, true));
    EXPECT_EQ(0, lists().RemovePk(ListKind::TvByTransponder, 2, true));
    EXPECT_EQ((Pks{0, 1, 3, 4}), pksOf(db, ListKind::TvByTransponder, 0));
    EXPECT_EQ(2u, db.channel(3).transponderLink(0).key());
    EXPECT_EQ(1, lists().RemovePk(ListKind::TvChannels, 2, false));
    EXPECT_EQ(3u, db.channel(3).mainLink(0).key()); // not written back
    EXPECT_EQ((Keys{0, 1, 2, 3}), keysOf(db, ListKind::TvChannels, 0));
    EXPECT_EQ(nullptr, lists().FindByPk(tvMain(), 2));
    EXPECT_EQ(nullptr, lists().FindByPk(nullptr, 2));
    EXPECT_EQ(0, lists().Append(nullptr, 2, LinkWord()));
    lists().Unlink(nullptr);
}

TEST_F(ListOps, SortOrdersBySideThenKeyAndKeepsTiesAsListed) {
    ListHead* head = lists().Head(ListKind::DataChannels, 0);
    EXPECT_EQ(-1, lists().Sort(head));
    ASSERT_EQ(1, lists().Sort(tvMain()));

    int key = 3;
    for (ListNode* n = tvMain()->first; n; n = n->next)
        n->link = n->link.withKey(static_cast<unsigned>(key-- / 2)); // keys 1 1 0 0 0
    tvMain()->first->pk = 5004;                                      // a tuner-2 side first
    ASSERT_EQ(1, lists().Sort(tvMain()));
    EXPECT_EQ((Pks{2, 3, 4, 1, 5004}), pksOf(db, ListKind::TvChannels, 0));
}

TEST(NodePool, CursorMovesOnAndReleasedNodesAreFoundAgainAfterTheWrap) {
    NodePool pool;
    ListNode* first = pool.Allocate();
    EXPECT_EQ(1u, pool.cursor());
    EXPECT_FALSE(first->isFree());
    EXPECT_EQ(0, first->pk);
    EXPECT_EQ(first + 1, pool.Allocate());
    pool.Release(first);
    EXPECT_TRUE(first->isFree());
    EXPECT_EQ(ListNode::kFreeMark, first->pk);
    EXPECT_EQ(ListNode::kFreeMark, first->spare);
    EXPECT_EQ(first + 2, pool.Allocate()); // the cursor does not go back for it
    pool.Release(first);                   // releasing a free node changes nothing
    EXPECT_EQ(2u, pool.usedCount());
    while (pool.usedCount() < NodePool::kCapacity)
        ASSERT_NE(nullptr, pool.Allocate());
    EXPECT_EQ(nullptr, pool.Allocate());
    pool.Release(first + 100);
    EXPECT_EQ(first + 100, pool.Allocate());
    EXPECT_EQ(nullptr, pool.Allocate());
}

TEST(NodePool, FullPoolSkipsInsertionsAndReportsThem) {
    ChannelDatabase db;
    fillFullDatabase(db);
    db.BuildAllLists();
    OrderedLists& lists = db.lists();
    const int favouritesBefore = lists.Head(FavouriteKind(0), 0)->count;

    // Fill the rest of the pool with short lists.
    int instance = 0;
    while (lists.pool().usedCount() < NodePool::kCapacity) {
        ASSERT_EQ(1, lists.Append(lists.Head(ListKind::DataByTransponder, instance), 0, LinkWord()));
        instance = (instance + 1) % kTransponderCount;
    }
    const ListHead* tail = lists.Head(ListKind::DataByTransponder, instance);
    const int countBefore = tail->count;
    EXPECT_EQ(0, lists.Append(lists.Head(ListKind::DataByTransponder, instance), 0, LinkWord()));
    EXPECT_EQ(countBefore, tail->count);

    // One more favourite member than before: the rebuild lists in scan order until the pool runs
    // dry, so the last side scanned (tuner 2 of slot 4960) is the one left out.
    const ChannelRecord extra = db.channel(1);
    extra.setFavouriteByte(0, 0, 0x80);
    EXPECT_EQ(kChannelCount, lists.BuildKind(FavouriteKind(0)));
    EXPECT_EQ(favouritesBefore, lists.Head(FavouriteKind(0), 0)->count);
    EXPECT_NE(nullptr, lists.FindByPk(lists.Head(FavouriteKind(0), 0), 1));
    EXPECT_EQ(nullptr, lists.FindByPk(lists.Head(FavouriteKind(0), 0), ChannelPk(4960, 1)));
}
