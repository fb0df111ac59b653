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
    void SetUp() override { ASSERT_GT(testing::MakeSampleDatabase(m_db, 7, 8, 120, 600), 0); }

    ChannelRowsQuery Query(ServiceType type, int filter = kFilterAllChannels) {
        ChannelRowsQuery query;
        query.type = type;
        query.displayFilter = filter;
        return query;
    }

    ChannelDatabase m_db;
};

// Satellites in list order or by longitude; transponders of one satellite, or all of them by frequency.
TEST_F(PaneRowsTest, SatelliteAndTransponderRowsInTheirOrders) {
    const std::vector<int> standard = SatelliteRows(m_db, 0);
    ASSERT_EQ(standard.size(), 64u);
    EXPECT_EQ(standard.front(), m_db.Lists().Head(ListKind::Satellites, 0)->first->pk.Record());
    const std::vector<int> byLongitude = SatelliteRows(m_db, 1);
    EXPECT_EQ(byLongitude.size(), 64u);
    EXPECT_TRUE(std::ranges::is_sorted(byLongitude, {}, [&](int pk) { return m_db.Satellite(pk).OrbitalPosition(); }));
    const std::vector<int> all = TransponderRows(m_db, -1, 1);
    EXPECT_EQ(all.size(), 120u);
    EXPECT_TRUE(std::ranges::is_sorted(all, {}, [&](int pk) { return m_db.Transponder(pk).Frequency(); }));
    std::size_t total = 0;
    for (int satellite = 0; satellite < kSatelliteCount; ++satellite)
        for (const int tp : TransponderRows(m_db, satellite, 0)) {
            EXPECT_EQ(static_cast<int>(m_db.Transponder(tp).SatelliteLink().Index()), satellite);
            ++total;
        }
    EXPECT_EQ(total, all.size());
}

// The selection rules read the side and the service word; each display filter shows the rows of its rule.
TEST_F(PaneRowsTest, SelectionRulesAndTheDisplayFiltersThatPickThem) {
    const auto all = ChannelRows(m_db, Query(ServiceType::Tv));
    for (const Pk pk : all) {
        const ServiceWord word = m_db.ChannelOfPk(pk).SidedServiceWord(pk.Side());
        EXPECT_TRUE(MatchesSelectionRule(m_db, pk, 0));
        EXPECT_EQ(MatchesSelectionRule(m_db, pk, 1), pk.Value() < kChannelCount);
        EXPECT_EQ(MatchesSelectionRule(m_db, pk, 2), pk.Value() >= kChannelCount);
        EXPECT_EQ(MatchesSelectionRule(m_db, pk, 3), !word.Scrambled());
        EXPECT_EQ(MatchesSelectionRule(m_db, pk, 4), word.Scrambled());
        EXPECT_EQ(MatchesSelectionRule(m_db, pk, 5), word.Locked());
        EXPECT_EQ(MatchesSelectionRule(m_db, pk, 6), word.Skipped());
    }
    const std::pair<int, int> filters[] = {
        {kFilterTuner1Channels, 1}, {kFilterTuner2Channels, 2}, {kFilterFtaChannels, 3}, {kFilterScrambledChannels, 4}};
    for (const auto& [filter, rule] : filters) {
        std::vector<Pk> expected = all;
        std::erase_if(expected, [&](Pk pk) { return !MatchesSelectionRule(m_db, pk, rule); });
        std::vector<Pk> shown = ChannelRows(m_db, Query(ServiceType::Tv, filter));
        std::ranges::sort(expected);
        std::ranges::sort(shown);
        EXPECT_EQ(shown, expected) << filter;
    }
    EXPECT_TRUE(ChannelRows(m_db, Query(ServiceType::Tv, 12345)).empty());

    ChannelRowsQuery onSatellite = Query(ServiceType::Radio);
    const Pk pk = ChannelRows(m_db, onSatellite).front();
    onSatellite.satellite = static_cast<int>(m_db.ChannelOfPk(pk).SatelliteLink(pk.Side()).Index());
    for (const Pk shown : ChannelRows(m_db, onSatellite)) {
        EXPECT_EQ(m_db.ChannelOfPk(shown).ServiceTypeCode(), 1);
        EXPECT_EQ(static_cast<int>(m_db.ChannelOfPk(shown).SatelliteLink(shown.Side()).Index()), onSatellite.satellite);
    }
}

TEST_F(PaneRowsTest, AFavouriteGroupIsTheSourceWhenChosenLast) {
    ChannelRowsQuery query = Query(ServiceType::Tv);
    query.chosen = ChosenList{ChosenList::kFavourite, 2};
    std::vector<Pk> expected = testing::PkListOf(m_db, FavouriteKind(2), 0);
    std::erase_if(expected, [&](Pk pk) { return m_db.ChannelOfPk(pk).ServiceTypeCode() != 0; });
    EXPECT_EQ(ChannelRows(m_db, query), expected);
}

TEST_F(PaneRowsTest, SortedByNameIgnoresLatin1CaseAndPutsBlankNamesLast) {
    ChannelRowsQuery query = Query(ServiceType::Tv);
    const auto rows = ChannelRows(m_db, query);
    const std::vector<std::string> names{"zebra", "", "Alpha", ".", "\xF6l", "beta", "\xD6m"};
    ASSERT_GT(rows.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        m_db.ChannelOfPk(rows[i]).SetName(names[i]);
    query.sortedByName = true;
    std::vector<std::string> ours;
    for (const Pk pk : ChannelRows(m_db, query))
        if (std::find(rows.begin(), rows.begin() + static_cast<long>(names.size()), pk) !=
            rows.begin() + static_cast<long>(names.size()))
            ours.push_back(m_db.ChannelOfPk(pk).Name());
    EXPECT_EQ(ours, (std::vector<std::string>{"Alpha", "beta", "zebra", "\xF6l", "\xD6m", "", "."}));
}

// Channels dropped on a transponder of another satellite leave the old satellite's list too.
TEST_F(PaneRowsTest, DropOnATransponderOfAnotherSatelliteMovesTheSatelliteToo) {
    const auto rows = ChannelRows(m_db, Query(ServiceType::Tv));
    const Pk pk = rows.front();
    const TunerSide side = pk.Side();
    const int oldSatellite = static_cast<int>(m_db.ChannelOfPk(pk).SatelliteLink(side).Index());
    int target = -1;
    for (const int tp : TransponderRows(m_db, -1, 0))
        if (static_cast<int>(m_db.Transponder(tp).SatelliteLink().Index()) != oldSatellite)
            target = tp;
    ASSERT_GE(target, 0);
    const int newSatellite = static_cast<int>(m_db.Transponder(target).SatelliteLink().Index());
    const int tvOnTarget = m_db.Lists().Head(ListKind::TvByTransponder, target)->count;
    m_db.SetModified(false);

    const Pk moved[] = {pk};
    EXPECT_EQ(MoveChannelsToTransponder(m_db, target, moved), 1);
    EXPECT_TRUE(m_db.Modified());
    EXPECT_EQ(static_cast<int>(m_db.ChannelOfPk(pk).TransponderLink(side).Index()), target);
    EXPECT_EQ(static_cast<int>(m_db.ChannelOfPk(pk).SatelliteLink(side).Index()), newSatellite);
    EXPECT_EQ(m_db.Lists().Head(ListKind::TvByTransponder, target)->count, tvOnTarget + 1);
    const ListNode* node = m_db.Lists().FindByPk(m_db.Lists().Head(ListKind::TvByTransponder, target), pk);
    ASSERT_TRUE(node);
    EXPECT_TRUE(!node->next || node->next->pk.Side() != side); // the last of its tuner side
    EXPECT_TRUE(m_db.Lists().FindByPk(m_db.Lists().Head(ListKind::TvBySatellite, newSatellite), pk));
    EXPECT_FALSE(m_db.Lists().FindByPk(m_db.Lists().Head(ListKind::TvBySatellite, oldSatellite), pk));
    EXPECT_TRUE(testing::VerifyLists(m_db));
    EXPECT_EQ(MoveChannelsToTransponder(m_db, target, moved), 0); // already there
}

TEST_F(PaneRowsTest, FavouriteReorderKeepsTheDroppedOrderBehindTheTarget) {
    const auto tuner1Members = [this] {
        std::vector<Pk> pks = testing::PkListOf(m_db, FavouriteKind(0), 0);
        std::erase_if(pks, [](Pk pk) { return pk.Value() >= kChannelCount; });
        return pks;
    };
    const std::vector<Pk> members = tuner1Members();
    ASSERT_GE(members.size(), 4u);
    const Pk dropped[] = {members[3], members[0]};
    EXPECT_EQ(MoveFavouriteChannels(m_db, 0, members[1], dropped), 2);
    const std::vector<Pk> order = tuner1Members();
    EXPECT_EQ((std::vector<Pk>(order.begin(), order.begin() + 4)),
              (std::vector<Pk>{members[1], members[3], members[0], members[2]}));
    EXPECT_TRUE(testing::VerifyLists(m_db));

    const Pk toEnd[] = {members[1]};
    EXPECT_EQ(MoveFavouriteChannels(m_db, 0, order.back(), toEnd), 1);
    EXPECT_TRUE(testing::VerifyLists(m_db));
}

} // namespace
} // namespace vorlane
