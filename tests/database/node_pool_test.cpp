#include "database/channel_database.h"
#include "database/node_pool.h"
#include "list_test_util.h"
#include "support/full_database.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

TEST(NodePool, CursorMovesOnAndReleasedNodesAreFoundAgainAfterTheWrap) {
    NodePool pool;
    ListNode* first = pool.Allocate();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(1u, pool.cursor());
    EXPECT_FALSE(first->isFree());
    EXPECT_EQ(0, first->pk);
    ListNode* second = pool.Allocate();
    EXPECT_EQ(first + 1, second);

    pool.Release(first);
    EXPECT_TRUE(first->isFree());
    EXPECT_EQ(ListNode::kFreeMark, first->pk);
    EXPECT_EQ(ListNode::kFreeMark, first->spare);
    EXPECT_EQ(first + 2, pool.Allocate()); // the cursor does not go back for it
    EXPECT_EQ(2u, pool.usedCount());
    pool.Release(first); // releasing a free node changes nothing
    EXPECT_EQ(2u, pool.usedCount());
}

TEST(NodePool, FullPoolHandsOutNothingUntilANodeIsReleased) {
    NodePool pool;
    std::vector<ListNode*> nodes;
    for (std::size_t i = 0; i < NodePool::kCapacity; ++i)
        nodes.push_back(pool.Allocate());
    EXPECT_NE(nullptr, nodes.back());
    EXPECT_EQ(NodePool::kCapacity, pool.usedCount());
    EXPECT_EQ(nullptr, pool.Allocate());
    pool.Release(nodes[100]);
    EXPECT_EQ(nodes[100], pool.Allocate());
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
