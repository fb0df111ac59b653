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
        m_db.AllocateTables();
        PutSatellite(m_db, 0, "Universal", SatelliteRecord::kLnbTypeUniversal, 0);
        PutSatellite(m_db, 1, "Standard", 0, 1);
        PutTransponder(m_db, 0, 0, 11700, kPolarisationVertical, 0);
        PutTransponder(m_db, 1, 0, 10699, kPolarisationHorizontal, 1);
        PutTransponder(m_db, 2, 1, 11700, kPolarisationVertical, 0);
    }

    ChannelSpec Tv(unsigned key1) {
        ChannelSpec spec;
        spec.key1 = key1;
        return spec;
    }

    ChannelDatabase m_db;
};

// Five tuner-1 TV channels with channel numbers 1..5 on transponder 0, and one radio channel.
class ListOps : public ListBuild {
protected:
    void SetUp() override {
        ListBuild::SetUp();
        for (unsigned key = 0; key < 5; ++key)
            PutChannel(m_db, static_cast<int>(key), Tv(key));
        PutChannel(m_db, 5, ChannelSpec{.type = ServiceType::Radio});
        m_db.BuildAllLists();
    }

    OrderedLists& Lists() { return m_db.Lists(); }
    ListHead* TvMain() { return Lists().Head(ListKind::TvChannels, 0); }
};

} // namespace

TEST_F(ListBuild, FavouriteByteZeroIsNoMemberAndEightyIsTheFirstMember) {
    ChannelSpec member = Tv(0);
    member.favouriteGroup = 2;
    PutChannel(m_db, 1, member);
    PutChannel(m_db, 2, Tv(1));
    ChannelSpec later = Tv(5);
    later.favouriteGroup = 2;
    PutChannel(m_db, 3, later); // byte 0x85
    m_db.Channel(1).SetFavouriteByte(TunerSide::First, 2, 0x80);
    ASSERT_EQ(0x85, m_db.Channel(3).FavouriteByte(TunerSide::First, 2));
    m_db.BuildAllLists();

    EXPECT_EQ((Pks{1, 3}), PksOf(m_db, FavouriteKind(2), 0));
    EXPECT_EQ(0x80, m_db.Channel(1).FavouriteByte(TunerSide::First, 2));
    EXPECT_EQ(0x81, m_db.Channel(3).FavouriteByte(TunerSide::First, 2)); // closed up behind the first member
    EXPECT_EQ(0x00, m_db.Channel(2).FavouriteByte(TunerSide::First, 2));
    EXPECT_TRUE(PksOf(m_db, FavouriteKind(0), 0).empty());
    EXPECT_TRUE(VerifyLists(m_db));
}

TEST_F(ListBuild, WriteBackStoresEachFieldInItsOwnWidth) {
    // 16-bit: key renumbered, type bits kept, neighbouring byte untouched.
    m_db.Satellite(0).SetListLink(0xC00A);
    m_db.Satellite(1).SetListLink(0xC014);
    // 32-bit: bit 31 of the record is kept.
    ChannelSpec flagged = Tv(40);
    flagged.favouriteGroup = 7;
    PutChannel(m_db, 9, flagged);
    m_db.Channel(9).RecordBytes()[ChannelRecord::kMainLink + 3] |= 0x80; // tuner 1's main link, little-endian
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
    ChannelSpec spec = Tv(0);
    PutChannel(m_db, 0, spec);
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
    for (int c = 0; c < 130; ++c) {
        ChannelSpec spec = Tv(static_cast<unsigned>(c));
        spec.favouriteGroup = 0;
        spec.onTuner2 = c < 3;
        spec.key2 = static_cast<unsigned>(c);
        PutChannel(m_db, c, spec);
    }
    m_db.BuildAllLists();

    const ListHead* group = m_db.Lists().Head(FavouriteKind(0), 0);
    EXPECT_EQ(128 + 3, group->count);
    int outside = 0;
    std::vector<bool> seen(128, false);
    for (int c = 0; c < 130; ++c) {
        const std::uint8_t byte = m_db.Channel(c).FavouriteByte(TunerSide::First, 0);
        if (byte == 0) {
            ++outside;
            continue;
        }
        ASSERT_EQ(0x80, byte & 0x80);
        EXPECT_FALSE(seen[byte & 0x7F]) << "position stored twice";
        seen[byte & 0x7F] = true;
    }
    EXPECT_EQ(2, outside);
    EXPECT_EQ(0x82, m_db.Channel(2).FavouriteByte(TunerSide::Second, 0));
    EXPECT_TRUE(VerifyLists(m_db));

    // A 129th tuner-1 member is refused, a fourth tuner-2 member is not; a freed place takes the refused side.
    ListHead* head = m_db.Lists().Head(FavouriteKind(0), 0);
    int dropped = 0;
    while (m_db.Channel(dropped).FavouriteByte(TunerSide::First, 0) != 0)
        ++dropped;
    EXPECT_EQ(0, m_db.Lists().Append(head, static_cast<std::uint16_t>(dropped), LinkWord(head->headWord)));
    EXPECT_EQ(0, AddFavourites(m_db, 0, Pks{dropped}));
    EXPECT_EQ(0, m_db.Channel(dropped).FavouriteByte(TunerSide::First, 0));
    m_db.Channel(3).SetPresence(TunerSide::Second, 1);
    EXPECT_EQ(1, AddFavourites(m_db, 0, Pks{5003}));
    EXPECT_EQ(0x83, m_db.Channel(3).FavouriteByte(TunerSide::Second, 0));
    EXPECT_EQ(1, RemoveFavourite(m_db, 0, dropped == 5 ? 6 : 5));
    EXPECT_EQ(1, AddFavourites(m_db, 0, Pks{dropped}));
    EXPECT_EQ(0xFF, m_db.Channel(dropped).FavouriteByte(TunerSide::First, 0));
    EXPECT_EQ(-1, m_db.Lists().BuildKind(static_cast<ListKind>(30))); // no such kind
}

TEST_F(ListOps, MoveBeforeReordersWithinAListAndAcrossLists) {
    ListNode* target = Lists().FindByPk(TvMain(), 1);
    Lists().MoveBefore(target, Lists().FindByPk(TvMain(), 4));
    Lists().MoveBefore(target, Lists().FindByPk(TvMain(), 3));
    Lists().MoveBefore(target, target); // no-op
    EXPECT_EQ((Pks{0, 4, 3, 1, 2}), PksOf(m_db, ListKind::TvChannels, 0));

    // A radio channel dragged into the TV list becomes a node of the TV list.
    ListHead* radio = Lists().Head(ListKind::RadioChannels, 0);
    ListNode* moved = radio->first;
    Lists().MoveBefore(Lists().FindByPk(TvMain(), 0), moved);
    EXPECT_EQ(TvMain(), moved->head);
    EXPECT_EQ(0, radio->count);
    EXPECT_EQ(nullptr, radio->first);
    EXPECT_EQ(nullptr, radio->last);
    EXPECT_EQ((Pks{5, 0, 4, 3, 1, 2}), PksOf(m_db, ListKind::TvChannels, 0));

    // The caller then fixes the record's type and renumbers; the stored numbers follow.
    m_db.Channel(5).SetServiceType(0);
    Lists().Renumber(TvMain());
    Lists().WriteBack(TvMain());
    EXPECT_EQ((Keys{0, 1, 2, 3, 4, 5}), KeysOf(m_db, ListKind::TvChannels, 0));
    EXPECT_EQ(2u, m_db.Channel(4).MainLink(TunerSide::First).Key());
    EXPECT_EQ(6, TvMain()->count);
}

TEST_F(ListOps, RemovePkTakesTheSideOutOfEveryHeadAndClosesUp) {
    EXPECT_EQ(1, Lists().RemovePk(ListKind::TvByTransponder, 2, true));
    EXPECT_EQ(0, Lists().RemovePk(ListKind::TvByTransponder, 2, true));
    EXPECT_EQ((Pks{0, 1, 3, 4}), PksOf(m_db, ListKind::TvByTransponder, 0));
    EXPECT_EQ(2u, m_db.Channel(3).TransponderLink(TunerSide::First).Key());
    EXPECT_EQ(1, Lists().RemovePk(ListKind::TvChannels, 2, false));
    EXPECT_EQ(3u, m_db.Channel(3).MainLink(TunerSide::First).Key()); // not written back
    EXPECT_EQ((Keys{0, 1, 2, 3}), KeysOf(m_db, ListKind::TvChannels, 0));
    EXPECT_EQ(nullptr, Lists().FindByPk(TvMain(), 2));
    EXPECT_EQ(nullptr, Lists().FindByPk(nullptr, 2));
    EXPECT_EQ(0, Lists().Append(nullptr, 2, LinkWord()));
    Lists().Unlink(nullptr);
}

TEST_F(ListOps, SortOrdersBySideThenKeyAndKeepsTiesAsListed) {
    ListHead* head = Lists().Head(ListKind::DataChannels, 0);
    EXPECT_EQ(-1, Lists().Sort(head));
    ASSERT_EQ(1, Lists().Sort(TvMain()));

    int key = 3;
    for (ListNode* n = TvMain()->first; n; n = n->next)
        n->link = n->link.WithKey(static_cast<unsigned>(key-- / 2)); // keys 1 1 0 0 0
    TvMain()->first->pk = 5004;                                      // a tuner-2 side first
    ASSERT_EQ(1, Lists().Sort(TvMain()));
    EXPECT_EQ((Pks{2, 3, 4, 1, 5004}), PksOf(m_db, ListKind::TvChannels, 0));
}

TEST(NodePool, CursorMovesOnAndReleasedNodesAreFoundAgainAfterTheWrap) {
    NodePool pool;
    ListNode* first = pool.Allocate();
    EXPECT_EQ(1u, pool.Cursor());
    EXPECT_FALSE(first->IsFree());
    EXPECT_EQ(0, first->pk);
    EXPECT_EQ(first + 1, pool.Allocate());
    pool.Release(first);
    EXPECT_TRUE(first->IsFree());
    EXPECT_EQ(ListNode::kFreeMark, first->pk);
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
        ASSERT_EQ(1, lists.Append(lists.Head(ListKind::DataByTransponder, instance), 0, LinkWord()));
        instance = (instance + 1) % kTransponderCount;
    }
    const ListHead* tail = lists.Head(ListKind::DataByTransponder, instance);
    const int countBefore = tail->count;
    EXPECT_EQ(0, lists.Append(lists.Head(ListKind::DataByTransponder, instance), 0, LinkWord()));
    EXPECT_EQ(countBefore, tail->count);

    // One more favourite member than before: the rebuild lists in scan order until the pool runs
    // dry, so the last side scanned (tuner 2 of slot 4960) is the one left out.
    const ChannelRecord extra = db.Channel(1);
    extra.SetFavouriteByte(TunerSide::First, 0, 0x80);
    EXPECT_EQ(kChannelCount, lists.BuildKind(FavouriteKind(0)));
    EXPECT_EQ(favouritesBefore, lists.Head(FavouriteKind(0), 0)->count);
    EXPECT_NE(nullptr, lists.FindByPk(lists.Head(FavouriteKind(0), 0), 1));
    EXPECT_EQ(nullptr, lists.FindByPk(lists.Head(FavouriteKind(0), 0), ChannelPk(4960, TunerSide::Second)));
}
