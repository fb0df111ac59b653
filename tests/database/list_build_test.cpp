#include "database/channel_database.h"
#include "database/favourite_ops.h"
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
