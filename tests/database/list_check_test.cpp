#include "database/channel_database.h"
#include "support/full_database.h"
#include "support/list_check.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class VerifyLists : public ::testing::Test {
protected:
    void SetUp() override {
        fillFullDatabase(db);
        db.BuildAllLists();
        ASSERT_TRUE(verifyLists(db));
    }
    ChannelDatabase db;
};

} // namespace

TEST_F(VerifyLists, LeavesTheDatabaseUntouched) {
    const std::vector<std::uint8_t> channels(db.channelBuffer().begin(), db.channelBuffer().end());
    const std::size_t used = db.lists().pool().usedCount();
    const std::size_t cursor = db.lists().pool().cursor();
    EXPECT_TRUE(verifyLists(db));
    EXPECT_TRUE(std::equal(channels.begin(), channels.end(), db.channelBuffer().begin()));
    EXPECT_EQ(used, db.lists().pool().usedCount());
    EXPECT_EQ(cursor, db.lists().pool().cursor());
}

TEST_F(VerifyLists, NoticesARecordFieldOutOfStepWithItsNode) {
    const ChannelRecord ch = db.channel(10);
    ch.setSatelliteLink(1, ch.satelliteLink(1).withKey(ch.satelliteLink(1).key() + 1));
    EXPECT_FALSE(verifyLists(db));
}

TEST_F(VerifyLists, NoticesAWrongKeyOrCount) {
    ListHead* head = db.lists().Head(ListKind::Tuner1Radio, 0);
    head->count = static_cast<std::uint16_t>(head->count + 1);
    EXPECT_FALSE(verifyLists(db));
    head->count = static_cast<std::uint16_t>(head->count - 1);
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(VerifyLists, NoticesAMissingMemberAndAForeignOne) {
    ListHead* byTransponder = db.lists().Head(ListKind::TvByTransponder, 0);
    db.lists().Unlink(byTransponder->first);
    db.lists().Renumber(byTransponder);
    db.lists().WriteBack(byTransponder);
    EXPECT_FALSE(verifyLists(db)); // the record still says it belongs there
}

TEST_F(VerifyLists, NoticesASwappedOrder) {
    ListHead* tuner2 = db.lists().Head(ListKind::Tuner2Tv, 0);
    ListNode* second = tuner2->first->next;
    db.lists().MoveBefore(tuner2->first, second);
    db.lists().Renumber(tuner2);
    EXPECT_FALSE(verifyLists(db)); // keys renumbered but never written back
}
