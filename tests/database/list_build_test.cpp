#include "database/channel_database.h"
#include "database/favourite_ops.h"
#include "database/integrity_check.h"
#include "database/node_pool.h"
#include "list_test_util.h"
#include "support/full_database.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
using Pks = std::vector<int>;

namespace {

class ListBuild : public ::testing::Test {
protected:
    void SetUp() override {
        m_db.AllocateTables();
        PutSatellite(m_db, 0, "Universal", SatelliteRecord::kLnbTypeUniversal, 0);
        PutSatellite(m_db, 1, "Standard", 0, 1);
        PutTransponder(m_db, 0, 0, 11700, kPolarisationVertical, 0);
        PutTransponder(m_db, 1, 0, 10699, kPolarisationHorizontal, 1);
        PutTransponder(m_db, 2, 1, 11700, kPolarisationVertical, 0);
    }

    ChannelDatabase m_db;
};

// Five tuner-1 TV channels with channel numbers 1..5 on transponder 0, and one radio channel.
class ListOps : public ListBuild {
protected:
    void SetUp() override {
        ListBuild::SetUp();
        for (unsigned key = 0; key < 5; ++key)
            PutChannel(m_db, static_cast<int>(key), {.key1 = key});
        PutChannel(m_db, 5, ChannelSpec{.type = ServiceType::Radio});
        m_db.BuildAllLists();
    }

    OrderedLists& Lists() { return m_db.Lists(); }
    ListHead* TvMain() { return Lists().Head(ListKind::TvChannels, 0); }
};

} // namespace

TEST_F(ListBuild, FavouriteByteZeroIsNoMemberAndEightyIsTheFirstMember) {
    PutChannel(m_db, 1, {.favouriteGroup = 2});
    PutChannel(m_db, 2, {.key1 = 1});
    PutChannel(m_db, 3, {.key1 = 5, .favouriteGroup = 2}); // byte 0x85
    m_db.Channel(1).SetFavouriteByte(TunerSide::First, 2, 0x80);
    m_db.BuildAllLists();

    EXPECT_EQ((Pks{1, 3}), PksOf(m_db, FavouriteKind(2), 0));
    EXPECT_EQ((std::vector<int>{0xFF, 0x80, 0x00, 0x81}),
              FavouriteBytes(m_db, TunerSide::First, 2, 4)); // closed up behind 0x80
    EXPECT_TRUE(PksOf(m_db, FavouriteKind(0), 0).empty());
    EXPECT_TRUE(VerifyLists(m_db));
}

TEST_F(ListBuild, WriteBackStoresEachFieldInItsOwnWidth) {
    // 16-bit: key renumbered, type bits kept, neighbouring byte untouched.
    m_db.Satellite(0).SetListLink(0xC00A);
    m_db.Satellite(1).SetListLink(0xC014);
    // 32-bit: bit 31 of the record is kept.
    PutChannel(m_db, 9, {.key1 = 40, .favouriteGroup = 7});
    m_db.Channel(9).SetMainLink(TunerSide::First,
                                LinkWord(m_db.Channel(9).MainLink(TunerSide::First).Value() | LinkWord::kKeptBit));
    m_db.BuildAllLists();

    EXPECT_EQ(0xC000, ReadLe16(m_db.Satellite(0).RecordBytes() + SatelliteRecord::kListLink));
    EXPECT_EQ(0xC001, ReadLe16(m_db.Satellite(1).RecordBytes() + SatelliteRecord::kListLink));
    EXPECT_EQ(0xFF, m_db.Satellite(0).RecordBytes()[SatelliteRecord::kTunerConnection + 1]);
    EXPECT_EQ(0x80000000u, ReadLe32(m_db.Channel(9).RecordBytes() + ChannelRecord::kMainLink));
    EXPECT_EQ(0x80, m_db.Channel(9).FavouriteByte(TunerSide::First, 7));  // 8-bit: 0x80 | position, was 0x80 | 40
    EXPECT_EQ(0x00, m_db.Channel(9).FavouriteByte(TunerSide::Second, 7)); // tuner 2 not present: untouched
    // Transponders 0 and 2 share key 0 and stay in table order; transponder 1 (key 1) comes last.
    EXPECT_EQ(LinkWord().WithKey(2).ToForm16(), m_db.Transponder(1).ListLink());
    EXPECT_TRUE(VerifyLists(m_db));
}

TEST_F(ListBuild, LinkIndexBeyondTheHeadsLeavesTheRecordOut) {
    PutTransponder(m_db, 3, 1, 12000, kPolarisationHorizontal, 1);
    m_db.Transponder(3).SetSatelliteLink(LinkWord().WithIndex(64));
    PutChannel(m_db, 0, {});
    m_db.Channel(0).SetFsLink(TunerSide::First, m_db.Channel(0).FsLink(TunerSide::First).WithIndex(2));
    m_db.BuildAllLists();
    for (int s = 0; s < kSatelliteCount; ++s)
        for (const int pk : PksOf(m_db, ListKind::SatelliteTransponders, s))
            EXPECT_NE(3, pk);
    EXPECT_TRUE(PksOf(m_db, ListKind::TvByScrambling, 0).empty());
    EXPECT_TRUE(PksOf(m_db, ListKind::TvByScrambling, 1).empty());
    EXPECT_EQ((Pks{0}), PksOf(m_db, ListKind::TvChannels, 0));
    EXPECT_FALSE(VerifyLists(m_db)); // the lists agree with the records, but transponder 3 names no satellite
}

TEST_F(ListBuild, FavouriteGroupOrdersAtMost128MembersPerTuner) {
    for (unsigned c = 0; c < 130; ++c)
        PutChannel(m_db, static_cast<int>(c), {.onTuner2 = c < 3, .key1 = c, .key2 = c, .favouriteGroup = 0});
    m_db.BuildAllLists();

    EXPECT_EQ(128 + 3, m_db.Lists().Head(FavouriteKind(0), 0)->count);
    std::vector<int> bytes = FavouriteBytes(m_db, TunerSide::First, 0, 130),
                     expected(2, 0); // two left out, 128 positions once
    for (int position = 0; position < 128; ++position)
        expected.push_back(0x80 + position);
    std::ranges::sort(bytes);
    EXPECT_EQ(expected, bytes);
    EXPECT_EQ(0x82, m_db.Channel(2).FavouriteByte(TunerSide::Second, 0));
    EXPECT_TRUE(VerifyLists(m_db));

    // A 129th tuner-1 member is refused, a fourth tuner-2 member is not; a freed place takes the refused side.
    ListHead* head = m_db.Lists().Head(FavouriteKind(0), 0);
    int dropped = 0;
    while (m_db.Channel(dropped).FavouriteByte(TunerSide::First, 0) != 0)
        ++dropped;
    EXPECT_FALSE(m_db.Lists().Append(head, Pk(static_cast<std::uint16_t>(dropped)), LinkWord(head->headWord)));
    EXPECT_EQ(0, AddFavourites(m_db, 0, AsPks({dropped})));
    EXPECT_EQ(0, m_db.Channel(dropped).FavouriteByte(TunerSide::First, 0));
    m_db.Channel(3).SetPresence(TunerSide::Second, 1);
    EXPECT_EQ(1, AddFavourites(m_db, 0, AsPks({5003})));
    EXPECT_EQ(0x83, m_db.Channel(3).FavouriteByte(TunerSide::Second, 0));
    EXPECT_TRUE(RemoveFavourite(m_db, 0, Pk(dropped == 5 ? 6 : 5)));
    EXPECT_EQ(1, AddFavourites(m_db, 0, AsPks({dropped})));
    EXPECT_EQ(0xFF, m_db.Channel(dropped).FavouriteByte(TunerSide::First, 0));
    EXPECT_FALSE(m_db.Lists().BuildKind(static_cast<ListKind>(30))); // no such kind
}

TEST_F(ListOps, RemovePkTakesTheSideOutOfEveryHeadAndClosesUp) {
    EXPECT_EQ(1, Lists().RemovePk(ListKind::TvByTransponder, Pk(2), true));
    EXPECT_EQ(0, Lists().RemovePk(ListKind::TvByTransponder, Pk(2), true));
    EXPECT_EQ((Pks{0, 1, 3, 4}), PksOf(m_db, ListKind::TvByTransponder, 0));
    EXPECT_EQ(2u, m_db.Channel(3).TransponderLink(TunerSide::First).Key());
    EXPECT_EQ(1, Lists().RemovePk(ListKind::TvChannels, Pk(2), false));
    EXPECT_EQ(3u, m_db.Channel(3).MainLink(TunerSide::First).Key()); // not written back
    Lists().MoveBefore(TvMain()->first, TvMain()->first);            // no-op
    EXPECT_EQ((std::vector<unsigned>{0, 1, 2, 3}),
              NodesOf(m_db, ListKind::TvChannels, 0, [](auto& n) { return n.link.Key(); }));
    EXPECT_EQ(nullptr, Lists().FindByPk(TvMain(), Pk(2)));
    EXPECT_EQ(nullptr, Lists().FindByPk(static_cast<ListHead*>(nullptr), Pk(2)));
    EXPECT_EQ(nullptr, Lists().FindByPk(static_cast<const ListHead*>(nullptr), Pk(2)));
    EXPECT_FALSE(Lists().Append(nullptr, Pk(2), LinkWord()));
    Lists().Unlink(nullptr);
}

TEST_F(ListOps, SortOrdersBySideThenKeyAndKeepsTiesAsListed) {
    EXPECT_FALSE(Lists().Sort(Lists().Head(ListKind::DataChannels, 0)));
    ASSERT_TRUE(Lists().Sort(TvMain()));

    int key = 3;
    for (ListNode* n = TvMain()->first; n; n = n->next)
        n->link = n->link.WithKey(static_cast<unsigned>(key-- / 2)); // keys 1 1 0 0 0
    TvMain()->first->pk = Pk(5004);                                  // a tuner-2 side first
    ASSERT_TRUE(Lists().Sort(TvMain()));
    EXPECT_EQ((Pks{2, 3, 4, 1, 5004}), PksOf(m_db, ListKind::TvChannels, 0));
}

TEST(NodePool, CursorMovesOnAndReleasedNodesAreFoundAgainAfterTheWrap) {
    NodePool pool;
    ListNode* first = pool.Allocate();
    EXPECT_EQ(1u, pool.Cursor());
    EXPECT_FALSE(first->IsFree());
    EXPECT_EQ(Pk(0), first->pk);
    EXPECT_EQ(first + 1, pool.Allocate());
    pool.Release(first);
    EXPECT_TRUE(first->IsFree());
    EXPECT_EQ(ListNode::kFreeMark, first->spare);
    EXPECT_EQ(first + 2, pool.Allocate()); // the cursor does not go back for it
    pool.Release(first);                   // releasing a free node changes nothing
    EXPECT_EQ(2u, pool.UsedCount());
    while (pool.UsedCount() < NodePool::kCapacity)
        ASSERT_NE(nullptr, pool.Allocate());
    EXPECT_EQ(nullptr, pool.Allocate());
    pool.Release(first + 100);
    EXPECT_EQ(first + 100, pool.Allocate());
    EXPECT_EQ(nullptr, pool.Allocate());
}

TEST(NodePool, FullPoolSkipsInsertionsAndReportsThem) {
    ChannelDatabase db;
    FillFullDatabase(db);
    db.BuildAllLists();
    OrderedLists& lists = db.Lists();
    const int favouritesBefore = lists.Head(FavouriteKind(0), 0)->count;

    // Fill the rest of the pool with short lists.
    int instance = 0;
    while (lists.Pool().UsedCount() < NodePool::kCapacity) {
        ASSERT_TRUE(lists.Append(lists.Head(ListKind::DataByTransponder, instance), Pk(0), LinkWord()));
        instance = (instance + 1) % kTransponderCount;
    }
    const ListHead* tail = lists.Head(ListKind::DataByTransponder, instance);
    const int countBefore = tail->count;
    EXPECT_FALSE(lists.Append(lists.Head(ListKind::DataByTransponder, instance), Pk(0), LinkWord()));
    EXPECT_EQ(countBefore, tail->count);

    // One more favourite member than before: the rebuild lists in scan order until the pool runs
    // dry, so the last side scanned (tuner 2 of slot 4960) is the one left out.
    const ChannelRecord extra = db.Channel(1);
    extra.SetFavouriteByte(TunerSide::First, 0, 0x80);
    EXPECT_EQ(kChannelCount, lists.BuildKind(FavouriteKind(0)));
    EXPECT_EQ(favouritesBefore, lists.Head(FavouriteKind(0), 0)->count);
    EXPECT_NE(nullptr, lists.FindByPk(lists.Head(FavouriteKind(0), 0), Pk(1)));
    EXPECT_EQ(nullptr, lists.FindByPk(lists.Head(FavouriteKind(0), 0), Pk::OfChannel(4960, TunerSide::Second)));
}

// Each damage is found, and the first problem names what was damaged.
TEST(IntegrityCheck, FindsEachDamageAndNamesTheRecordAndLeavesTheDatabaseUntouched) {
    ChannelDatabase db;
    FillFullDatabase(db);
    db.BuildAllLists();
    const std::vector<std::uint8_t> channels(db.ChannelBuffer().begin(), db.ChannelBuffer().end());
    const std::size_t used = db.Lists().Pool().UsedCount();
    const std::size_t cursor = db.Lists().Pool().Cursor();
    EXPECT_TRUE(CheckIntegrity(db).empty());
    EXPECT_TRUE(std::ranges::equal(channels, db.ChannelBuffer()));
    EXPECT_EQ(used, db.Lists().Pool().UsedCount());
    EXPECT_EQ(cursor, db.Lists().Pool().Cursor());

    struct Case {
        const char* what;
        std::function<void(ChannelDatabase&)> damage;
        std::string firstProblem;
    };
    // clang-format off
    const Case cases[] = {
        {"transponder link past the table", [](ChannelDatabase& d) { d.Channel(7).SetTransponderLink(TunerSide::Second, d.Channel(7).TransponderLink(TunerSide::Second).WithIndex(0x3FFF)); },
         "channel 7 tuner 2 \"Channel 0007\": transponder link names slot 16383, outside the transponder table"},
        {"transponder link to a free transponder", [](ChannelDatabase& d) { std::fill_n(d.Transponder(1499).RecordBytes(), kTransponderRecordSize, std::uint8_t{0xFF}); },
         "channel 1499 tuner 1 \"Channel 1499\": transponder link names free transponder 1499"},
        {"satellite link past the table", [](ChannelDatabase& d) { d.Channel(8).SetSatelliteLink(TunerSide::First, d.Channel(8).SatelliteLink(TunerSide::First).WithIndex(64)); },
         "channel 8 tuner 1 \"Channel 0008\": satellite link names slot 64, outside the satellite table"},
        {"transponder without a satellite", [](ChannelDatabase& d) { d.Transponder(5).SetSatelliteLink(d.Transponder(5).SatelliteLink().WithIndex(99)); },
         "transponder 5: satellite link names slot 99, outside the satellite table"},
        {"record field out of step with its node", [](ChannelDatabase& d) { d.Channel(10).SetSatelliteLink(TunerSide::Second, d.Channel(10).SatelliteLink(TunerSide::Second).WithKey(d.Channel(10).SatelliteLink(TunerSide::Second).Key() + 1)); }, "list kind"},
        {"wrong count", [](ChannelDatabase& d) { ++d.Lists().Head(ListKind::Tuner1Radio, 0)->count; }, "list kind 25 head 0"},
        {"missing member", [](ChannelDatabase& d) { ListHead* h = d.Lists().Head(ListKind::TvByTransponder, 0); d.Lists().Unlink(h->first); d.Lists().Renumber(h); d.Lists().WriteBack(h); }, "list kind 13 head 0"},
        {"order renumbered but never written back", [](ChannelDatabase& d) { ListHead* h = d.Lists().Head(ListKind::Tuner2Tv, 0); d.Lists().MoveBefore(h->first, h->first->next); d.Lists().Renumber(h); }, "list kind 27 head 0"},
        {"favourite byte without its list entry", [](ChannelDatabase& d) { d.Channel(11).SetFavouriteByte(TunerSide::First, 3, 0x80); }, "favourite group 4"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelDatabase damaged;
        FillFullDatabase(damaged);
        damaged.BuildAllLists();
        c.damage(damaged);
        const std::vector<IntegrityProblem> problems = CheckIntegrity(damaged);
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(0u, IntegrityProblemLine(problems[0]).find(c.firstProblem)) << IntegrityProblemLine(problems[0]);
    }
}
