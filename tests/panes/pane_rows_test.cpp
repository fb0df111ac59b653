#include "panes/pane_commands.h"
#include "panes/pane_drops.h"
#include "panes/pane_rows.h"

#include "database/favourite_ops.h"
#include "database/list_test_util.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorlane {
namespace {

class PaneRowsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(testing::makeSampleDatabase(db, 7, 8, 120, 600), 0); }

    ChannelRowsQuery Query(ServiceType type, int filter = kFilterAllChannels) {
        ChannelRowsQuery query;
        query.type = type;
        query.displayFilter = filter;
        return query;
    }

    ChannelDatabase db;
};

// Satellites in list order or by longitude; transponders of one satellite, or all of them by frequency.
TEST_F(PaneRowsTest, SatelliteAndTransponderRowsInTheirOrders) {
    const std::vector<int> standard = SatelliteRows(db, 0);
    ASSERT_EQ(standard.size(), 64u);
    EXPECT_EQ(standard.front(), db.lists().Head(ListKind::Satellites, 0)->first->pk);
    const std::vector<int> byLongitude = SatelliteRows(db, 1);
    ASSERT_EQ(byLongitude.size(), 64u);
    for (std::size_t i = 1; i < byLongitude.size(); ++i)
        EXPECT_LE(db.satellite(byLongitude[i - 1]).orbitalPosition(), db.satellite(byLongitude[i]).orbitalPosition());
    const std::vector<int> all = TransponderRows(db, -1, 1);
    EXPECT_EQ(all.size(), 120u);
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(db.transponder(all[i - 1]).frequency(), db.transponder(all[i]).frequency());
    std::size_t total = 0;
    for (int satellite = 0; satellite < kSatelliteCount; ++satellite)
        for (const int tp : TransponderRows(db, satellite, 0)) {
            EXPECT_EQ(static_cast<int>(db.transponder(tp).satelliteLink().index()), satellite);
            ++total;
        }
    EXPECT_EQ(total, all.size());
}

// The selection rules read the side and the service word; each display filter shows the rows of its rule.
TEST_F(PaneRowsTest, SelectionRulesAndTheDisplayFiltersThatPickThem) {
    const auto all = ChannelRows(db, Query(ServiceType::Tv));
    ASSERT_FALSE(all.empty());
    for (const int pk : all) {
        const ServiceWord word = db.channelOfPk(pk).serviceWord(TunerSideOfPk(pk));
        EXPECT_TRUE(MatchesSelectionRule(db, pk, 0));
        EXPECT_EQ(MatchesSelectionRule(db, pk, 1), pk < kChannelCount);
        EXPECT_EQ(MatchesSelectionRule(db, pk, 2), pk >= kChannelCount);
        EXPECT_EQ(MatchesSelectionRule(db, pk, 3), !word.scrambled());
        EXPECT_EQ(MatchesSelectionRule(db, pk, 4), word.scrambled());
        EXPECT_EQ(MatchesSelectionRule(db, pk, 5), word.locked());
        EXPECT_EQ(MatchesSelectionRule(db, pk, 6), word.skipped());
    }
    const std::pair<int, int> filters[] = {
        {kFilterTuner1Channels, 1}, {kFilterTuner2Channels, 2}, {kFilterFtaChannels, 3}, {kFilterScrambledChannels, 4}};
    for (const auto& [filter, rule] : filters) {
        std::vector<int> expected = all;
        std::erase_if(expected, [&](int pk) { return !MatchesSelectionRule(db, pk, rule); });
        std::vector<int> shown = ChannelRows(db, Query(ServiceType::Tv, filter));
        std::ranges::sort(expected);
        std::ranges::sort(shown);
        EXPECT_EQ(shown, expected) << filter;
    }
    EXPECT_TRUE(ChannelRows(db, Query(ServiceType::Tv, 12345)).empty());

    ChannelRowsQuery onSatellite = Query(ServiceType::Radio);
    const int pk = ChannelRows(db, onSatellite).front();
    onSatellite.satellite = static_cast<int>(db.channelOfPk(pk).satelliteLink(TunerSideOfPk(pk)).index());
    for (const int shown : ChannelRows(db, onSatellite)) {
        EXPECT_EQ(db.channelOfPk(shown).serviceType(), 1);
        EXPECT_EQ(static_cast<int>(db.channelOfPk(shown).satelliteLink(TunerSideOfPk(shown)).index()),
                  onSatellite.satellite);
    }
}

TEST_F(PaneRowsTest, AFavouriteGroupIsTheSourceWhenChosenLast) {
    ChannelRowsQuery query = Query(ServiceType::Tv);
    query.chosen = ChosenList{ChosenList::Favourite, 2};
    std::vector<int> expected = testing::pksOf(db, FavouriteKind(2), 0);
    std::erase_if(expected, [&](int pk) { return db.channelOfPk(pk).serviceType() != 0; });
    EXPECT_EQ(ChannelRows(db, query), expected);
}

TEST_F(PaneRowsTest, SortedByNameIgnoresLatin1CaseAndPutsBlankNamesLast) {
    ChannelRowsQuery query = Query(ServiceType::Tv);
    const auto rows = ChannelRows(db, query);
    const std::vector<std::string> names{"zebra", "", "Alpha", ".", "\xF6l", "beta", "\xD6m"};
    ASSERT_GT(rows.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        db.channelOfPk(rows[i]).setName(names[i]);
    query.sortedByName = true;
    std::vector<std::string> ours;
    for (const int pk : ChannelRows(db, query))
        if (std::find(rows.begin(), rows.begin() + static_cast<long>(names.size()), pk) !=
            rows.begin() + static_cast<long>(names.size()))
            ours.push_back(db.channelOfPk(pk).name());
    EXPECT_EQ(ours, (std::vector<std::string>{"Alpha", "beta", "zebra", "\xF6l", "\xD6m", "", "."}));
}

// Channels dropped on a transponder of another satellite leave the old satellite's list too.
TEST_F(PaneRowsTest, DropOnATransponderOfAnotherSatelliteMovesTheSatelliteToo) {
    const auto rows = ChannelRows(db, Query(ServiceType::Tv));
    const int pk = rows.front();
    const int side = TunerSideOfPk(pk);
    const int oldSatellite = static_cast<int>(db.channelOfPk(pk).satelliteLink(side).index());
    int target = -1;
    for (const int tp : TransponderRows(db, -1, 0))
        if (static_cast<int>(db.transponder(tp).satelliteLink().index()) != oldSatellite)
            target = tp;
    ASSERT_GE(target, 0);
    const int newSatellite = static_cast<int>(db.transponder(target).satelliteLink().index());
    const int tvOnTarget = db.lists().Head(ListKind::TvByTransponder, target)->count;
    db.setModified(false);

    const int moved[] = {pk};
    EXPECT_EQ(MoveChannelsToTransponder(db, target, moved), 1);
    EXPECT_TRUE(db.modified());
    EXPECT_EQ(static_cast<int>(db.channelOfPk(pk).transponderLink(side).index()), target);
    EXPECT_EQ(static_cast<int>(db.channelOfPk(pk).satelliteLink(side).index()), newSatellite);
    EXPECT_EQ(db.lists().Head(ListKind::TvByTransponder, target)->count, tvOnTarget + 1);
    const ListNode* node = db.lists().FindByPk(db.lists().Head(ListKind::TvByTransponder, target), pk);
    ASSERT_TRUE(node);
    EXPECT_TRUE(!node->next || TunerSideOfPk(node->next->pk) != side); // the last of its tuner side
    EXPECT_TRUE(db.lists().FindByPk(db.lists().Head(ListKind::TvBySatellite, newSatellite), pk));
    EXPECT_FALSE(db.lists().FindByPk(db.lists().Head(ListKind::TvBySatellite, oldSatellite), pk));
    EXPECT_TRUE(testing::verifyLists(db));
    EXPECT_EQ(MoveChannelsToTransponder(db, target, moved), 0); // already there
}

TEST_F(PaneRowsTest, FavouriteReorderKeepsTheDroppedOrderBehindTheTarget) {
    const auto tuner1Members = [this] {
        std::vector<int> pks = testing::pksOf(db, FavouriteKind(0), 0);
        std::erase_if(pks, [](int pk) { return pk >= kChannelCount; });
        return pks;
    };
    const std::vector<int> members = tuner1Members();
    ASSERT_GE(members.size(), 4u);
    const int dropped[] = {members[3], members[0]};
    EXPECT_EQ(MoveFavoriteChannels(db, 0, members[1], dropped), 2);
    const std::vector<int> order = tuner1Members();
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)),
              (std::vector<int>{members[1], members[3], members[0], members[2]}));
    EXPECT_TRUE(testing::verifyLists(db));

    const int toEnd[] = {members[1]};
    EXPECT_EQ(MoveFavoriteChannels(db, 0, order.back(), toEnd), 1);
    EXPECT_TRUE(testing::verifyLists(db));
}

} // namespace
} // namespace vorlane
