#include "database/channel_database.h"
#include "support/full_database.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vorlane;

TEST(ChannelDatabaseTables, BuffersBasesAndRegionsHaveTheReceiverLayout) {
    ChannelDatabase db;
    EXPECT_FALSE(db.tablesAllocated());
    db.AllocateTables();
    ASSERT_TRUE(db.tablesAllocated());
    EXPECT_EQ(db.satelliteBuffer().data() + 4, db.arrSatellite());
    EXPECT_EQ(db.satelliteBuffer().data() + 0x2110, db.arrTransponder());
    EXPECT_EQ(db.channelBuffer().data() + 4, db.arrChannel());
    EXPECT_EQ(0x20000u, db.satelliteBuffer().size());
    EXPECT_EQ(0x120000u, db.channelBuffer().size());
    // The satellite region holds 64 satellites, 12 bytes, 1500 transponders and 8 bytes.
    EXPECT_EQ(db.arrTransponder() + 1500 * 48 + 8, db.satelliteRegion().data() + db.satelliteRegion().size());
    EXPECT_EQ(db.arrChannel() + 5000 * 112 + 8, db.channelRegion().data() + db.channelRegion().size());

    for (int i = 0; i < kSatelliteCount; ++i)
        EXPECT_TRUE(db.satellite(i).isFree());
    EXPECT_TRUE(db.transponder(1499).isFree());
    EXPECT_TRUE(db.channel(4999).isFree());
    EXPECT_EQ(0x120000u, db.pkChannel().size());
    EXPECT_TRUE(std::all_of(db.pkChannel().begin(), db.pkChannel().end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(10000u, db.pkPositions().size());
    EXPECT_EQ(db.channel(5).bytes(), db.channelOfPk(5005).bytes());

    db.FreeTables();
    EXPECT_FALSE(db.tablesAllocated());
    EXPECT_EQ(nullptr, db.lists().Head(ListKind::Satellites, 0));
    EXPECT_TRUE(db.satelliteBuffer().empty());
}

TEST(ChannelDatabaseTables, RecordIndexFromAddressIsNoneOutsideTheTable) {
    ChannelDatabase db;
    EXPECT_EQ(-1, db.SatelliteIndexOf(nullptr));
    db.AllocateTables();
    EXPECT_EQ(5, db.SatelliteIndexOf(db.satellite(5).bytes()));
    EXPECT_EQ(5, db.SatelliteIndexOf(db.satellite(5).bytes() + 131));
    EXPECT_EQ(-1, db.SatelliteIndexOf(db.arrSatellite() - 1));
    EXPECT_EQ(-1, db.SatelliteIndexOf(db.arrSatellite() + 64 * 132));
    EXPECT_EQ(1499, db.TransponderIndexOf(db.transponder(1499).bytes()));
    EXPECT_EQ(-1, db.TransponderIndexOf(db.arrSatellite()));
    EXPECT_EQ(4999, db.ChannelIndexOf(db.channel(4999).bytes()));
    EXPECT_EQ(-1, db.ChannelIndexOf(db.arrChannel() + 5000 * 112));
}

TEST(ChannelDatabaseSettings, ScratchRecordIsCurrentAfterAllocationUntilTheHeldOneIsChosen) {
    ChannelDatabase db;
    EXPECT_EQ(db.heldSettings().data(), db.currentSettings().data());
    db.UseScratchSettings(); // nothing to switch to yet
    EXPECT_FALSE(db.scratchSettingsCurrent());

    db.AllocateTables();
    ASSERT_TRUE(db.scratchSettingsCurrent());
    EXPECT_EQ(3196u, db.currentSettings().size());
    EXPECT_NE(db.heldSettings().data(), db.currentSettings().data());
    EXPECT_TRUE(
        std::all_of(db.scratchSettings().begin(), db.scratchSettings().end(), [](std::uint8_t b) { return b == 0; }));
    db.currentSettings()[0x192] = 0xAB;
    db.UseHeldSettings();
    EXPECT_EQ(db.heldSettings().data(), db.currentSettings().data());
    EXPECT_EQ(0, db.heldSettings()[0x192]);
    db.heldSettings()[0] = 7;
    db.FreeTables();
    EXPECT_EQ(7, db.currentSettings()[0]); // the held record outlives the tables
}

TEST(ChannelDatabaseFavourites, GroupBlocksStartNumberedAndCountersClear) {
    FavouriteGroups groups;
    for (int g = 0; g < FavouriteGroups::kGroupCount; ++g) {
        EXPECT_EQ(g, groups.block(g)[FavouriteGroups::kGroupNumberWord]);
        EXPECT_EQ(-1, groups.block(g)[FavouriteGroups::kTvCountWord]);
        EXPECT_EQ(-1, groups.block(g)[130]);
    }
    groups.ClearCounters();
    EXPECT_EQ(0, groups.block(7)[FavouriteGroups::kTvCountWord]);
    EXPECT_EQ(0, groups.block(7)[FavouriteGroups::kRadioCountWord]);
    EXPECT_EQ(-1, groups.block(7)[FavouriteGroups::kFirstMemberWord]);
    EXPECT_EQ(7, groups.block(7)[FavouriteGroups::kGroupNumberWord]);
}
