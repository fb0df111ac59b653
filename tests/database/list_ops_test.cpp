#include "database/channel_database.h"
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

// Five tuner-1 TV channels with channel numbers 1..5 on one transponder, and one radio channel.
class ListOps : public ::testing::Test {
protected:
    void SetUp() override {
        db.AllocateTables();
        putSatellite(db, 0, "Sat", 0, 0);
        putTransponder(db, 0, 0, 11000, kPolarisationHorizontal, 0);
        for (int c = 0; c < 5; ++c) {
            ChannelSpec spec;
            spec.key1 = static_cast<unsigned>(c);
            putChannel(db, c, spec);
        }
        ChannelSpec radio;
        radio.type = ServiceType::Radio;
        putChannel(db, 5, radio);
        db.BuildAllLists();
    }

    OrderedLists& lists() { return db.lists(); }
    ListHead* tvMain() { return lists().Head(ListKind::TvChannels, 0); }

    ChannelDatabase db;
};

} // namespace

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
