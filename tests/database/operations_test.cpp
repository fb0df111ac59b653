#include "database/add_records.h"
#include "database/channel_clipboard.h"
#include "database/database_lifecycle.h"
#include "database/delete_channels.h"
#include "database/delete_transponders.h"
#include "database/favourite_ops.h"
#include "database/free_slots.h"
#include "database/labels.h"
#include "database/move_channels.h"
#include "database/pk_channel.h"
#include "database/settings_record.h"
#include "database/tuner_copy.h"
#include "list_test_util.h"
#include "platform/trace.h"
#include "support/full_database.h"
#include "support/list_check.h"
#include "support/list_compare.h"
#include "support/record_builders.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
using Pks = std::vector<int>;

namespace {

constexpr std::size_t kLastTransponderSlotOffset = 0x192;
constexpr std::size_t kLastChannelSlotOffset = 0x194;

std::uint16_t channelCursor(const ChannelDatabase& db) {
    return readLe16(db.currentSettings(), kLastChannelSlotOffset);
}

template <std::size_t N> std::array<std::uint8_t, N> copyOf(const std::uint8_t* bytes) {
    std::array<std::uint8_t, N> copy{};
    std::memcpy(copy.data(), bytes, N);
    return copy;
}

bool isAllFF(const std::uint8_t* p, std::size_t n) {
    return std::all_of(p, p + n, [](std::uint8_t b) { return b == 0xFF; });
}

// After Init: satellite 0 (universal LNB) with transponders 0 and 1, satellite 1 with transponder 2.
class Operations : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(1, Init(db));
        putSatellite(db, 0, "Orbis 19.2E", SatelliteRecord::kLnbTypeUniversal, 0);
        putSatellite(db, 1, "Helion 13.0E", 0, 1);
        putTransponder(db, 0, 0, 11700, kPolarisationVertical, 0);
        putTransponder(db, 1, 0, 10700, kPolarisationHorizontal, 1);
        putTransponder(db, 2, 1, 12100, kPolarisationHorizontal, 0);
    }

    void put(int slot, ServiceType type, int transponder, bool t1, bool t2, unsigned key1, unsigned key2,
             int favourite = -1) {
        putChannel(db, slot, {type, transponder, t1, t2, key1, key2, false, favourite});
    }

    // Every operation leaves the lists in step with the records.
    void TearDown() override { EXPECT_TRUE(!listsKept || verifyLists(db)); }

    void build() { ASSERT_GE(db.BuildAllLists(), 0); }

    // The bytes putChannel would write, without taking a slot of the table.
    std::array<std::uint8_t, kChannelRecordSize> recordFor(ServiceType type, int transponder, bool t1, bool t2) {
        constexpr int kScratchSlot = kChannelCount - 1;
        const auto saved = copyOf<kChannelRecordSize>(db.channel(kScratchSlot).bytes());
        put(kScratchSlot, type, transponder, t1, t2, 0x3FFF, 0x3FFF);
        const auto bytes = copyOf<kChannelRecordSize>(db.channel(kScratchSlot).bytes());
        std::memcpy(db.channel(kScratchSlot).bytes(), saved.data(), saved.size());
        return bytes;
    }

    ChannelDatabase db;
    bool listsKept = true;
};

} // namespace

TEST_F(Operations, LabelsCountTvAndRadioChannels) {
    put(0, ServiceType::Tv, 0, true, false, 0, 0);
    put(1, ServiceType::Tv, 0, true, true, 1, 0);
    put(2, ServiceType::Radio, 0, true, false, 0, 0);
    put(3, ServiceType::Data, 1, true, false, 0, 0);
    build();
    EXPECT_EQ("Orbis 19.2E [3:1]", SatelliteLabel(db, db.satellite(0).bytes()));
    EXPECT_EQ("11700 V 27500 [3:1]", TransponderLabel(db, db.transponder(0).bytes()));
    EXPECT_TRUE(IsSatelliteEmpty(db, 1)); // data channels do not count
    EXPECT_FALSE(IsSatelliteEmpty(db, 0));
    EXPECT_TRUE(IsSatelliteEmpty(db, 64));

    db.satellite(1).setName("ABCDEFGHIJKLMNOP");
    EXPECT_EQ("ABCDEFGHIJKLMNO [0:0]", SatelliteLabel(db, db.satellite(1).bytes()));
    TuningWord tuning = db.transponder(2).tuning();
    tuning.setPolarisation(3);
    db.transponder(2).setTuning(tuning);
    tuning.setPolarisation(0);
    db.transponder(1).setTuning(tuning);
    EXPECT_EQ("12100 ? 27500 [0:0]", TransponderLabel(db, db.transponder(2).bytes()));
    EXPECT_EQ("10700 A 27500 [0:0]", TransponderLabel(db, db.transponder(1).bytes()));
    EXPECT_EQ("", SatelliteLabel(db, db.arrSatellite() - 1));
    EXPECT_EQ("", SatelliteLabel(db, db.transponder(0).bytes()));
    EXPECT_EQ("", TransponderLabel(db, db.satellite(0).bytes()));
}

TEST_F(Operations, SlotSearchStartsBehindTheCursorAndWraps) {
    build();
    listsKept = false; // records put straight into the table
    ReceiverSettings settings = CurrentReceiverSettings(db);
    EXPECT_EQ(0, FindFreeChannelSlot(db)); // the cursor starts at the last slot
    EXPECT_EQ(0, channelCursor(db));
    EXPECT_EQ(1, FindFreeChannelSlot(db)); // nothing was put there, yet the search moves on
    settings.set_last_channel_slot(4998);
    put(4999, ServiceType::Tv, 0, true, false, 0, 0);
    put(0, ServiceType::Tv, 0, true, false, 1, 0);
    EXPECT_EQ(1, FindFreeChannelSlot(db));
    EXPECT_EQ(3, FindFreeTransponderSlot(db));
    EXPECT_EQ(3, readLe16(db.currentSettings(), kLastTransponderSlotOffset));
}

TEST(OperationsFullTable, AddingGivesUpAfterExactlyOneRoundAndKeepsTheCursors) {
    ChannelDatabase db;
    ASSERT_EQ(1, Init(db));
    fillFullDatabase(db);
    ASSERT_GT(db.BuildAllLists(), 0);
    CurrentReceiverSettings(db).set_last_channel_slot(1234);
    CurrentReceiverSettings(db).set_last_transponder_slot(77);
    db.setModified(false);
    {
        TraceCapture trace;
        EXPECT_EQ(0, AddChannel(db, copyOf<kChannelRecordSize>(db.channel(10).bytes())));
        EXPECT_EQ(0, AddTransponder(db, copyOf<kTransponderRecordSize>(db.transponder(5).bytes())));
        EXPECT_EQ("AddChannel: channel buffer has no room\nAddTransponder: tp buffer has no room\n", trace.text());
    }
    EXPECT_EQ(1234, channelCursor(db));
    EXPECT_EQ(77, CurrentReceiverSettings(db).last_transponder_slot());
    EXPECT_FALSE(db.modified());
    // The 5000th probe is the cursor's own slot; the first is the one behind it.
    std::memset(db.channel(1234).bytes(), 0xFF, kChannelRecordSize);
    EXPECT_EQ(1234, FindFreeChannelSlot(db));
    CurrentReceiverSettings(db).set_last_channel_slot(1233);
    EXPECT_EQ(1234, FindFreeChannelSlot(db));
}

TEST_F(Operations, AddTransponderJoinsItsThreeListsAndItsBand) {
    build();
    db.setModified(false);
    TraceCapture trace;
    EXPECT_EQ(1, AddTransponder(db, copyOf<kTransponderRecordSize>(db.transponder(0).bytes())));
    EXPECT_EQ("TP ADDED... NEW PK=3\n", trace.text());
    EXPECT_TRUE(db.modified());
    EXPECT_EQ((Pks{0, 2, 1, 3}), pksOf(db, ListKind::Transponders, 0)); // keys 0, 0, 1, then the new one
    EXPECT_EQ((Pks{0, 1, 3}), pksOf(db, ListKind::SatelliteTransponders, 0));
    EXPECT_EQ((Pks{0, 3}), pksOf(db, ListKind::Bands, 5)); // universal, high band, vertical
    EXPECT_EQ(1u, db.transponder(3).bandLink().key());
    EXPECT_EQ(3u, LinkWord::FromForm16(db.transponder(3).listLink()).key());
    std::array<std::uint8_t, kTransponderRecordSize> freeRecord;
    freeRecord.fill(0xFF);
    EXPECT_EQ(0, AddTransponder(db, freeRecord));
}

TEST_F(Operations, AddChannelTakesTheLastPlaceOfItsSideInEveryList) {
    put(0, ServiceType::Tv, 0, true, true, 0, 0);
    put(1, ServiceType::Tv, 0, false, true, 0, 1);
    build();
    const auto tuner1 = recordFor(ServiceType::Tv, 0, true, false);
    const auto tuner2 = recordFor(ServiceType::Tv, 0, false, true);
    db.setModified(false);
    ASSERT_EQ(1, AddChannel(db, tuner1)); // slot 2
    ASSERT_EQ(1, AddChannel(db, tuner2)); // slot 3
    EXPECT_FALSE(db.modified());
    EXPECT_EQ(3, channelCursor(db));
    for (const ListKind kind :
         {ListKind::TvChannels, ListKind::TvByTransponder, ListKind::TvBySatellite, ListKind::TvByScrambling})
        EXPECT_EQ((Pks{0, 2, 5000, 5001, 5003}), pksOf(db, kind, 0)) << static_cast<int>(kind);
    EXPECT_EQ((Pks{0, 2}), pksOf(db, ListKind::Tuner1Tv, 0));
    EXPECT_EQ(2u, db.channel(3).mainLink(1).key());
    EXPECT_EQ(4u, db.channel(3).transponderLink(1).key()); // one run over both sides
    EXPECT_TRUE(verifyLists(db));

    ASSERT_EQ(1, AddChannel(db, recordFor(ServiceType::Radio, 2, true, true)));
    EXPECT_EQ((Pks{4, 5004}), pksOf(db, ListKind::RadioBySatellite, 1));
    auto none = recordFor(ServiceType::Tv, 2, true, false);
    none[ChannelRecord::kServiceType] = static_cast<std::uint8_t>(ServiceType::None);
    ASSERT_EQ(1, AddChannel(db, none));
    EXPECT_EQ(5u, pksOf(db, ListKind::TvChannels, 0).size()); // listed nowhere
    std::array<std::uint8_t, kChannelRecordSize> freeRecord;
    freeRecord.fill(0xFF);
    EXPECT_EQ(0, AddChannel(db, freeRecord)); // refused before a slot is taken
    EXPECT_EQ(5, channelCursor(db));
}

TEST_F(Operations, DeletingABothTunerChannelFromEachTunerInTurnFreesItLast) {
    put(0, ServiceType::Tv, 0, true, true, 0, 0, 3);
    put(1, ServiceType::Tv, 0, true, true, 1, 1);
    build();
    RebuildPkChannel(db);
    db.setModified(false);
    EXPECT_EQ(1, DeleteChannel(db, 0));
    EXPECT_TRUE(db.modified());
    const ConstChannelRecord kept = db.channel(0);
    ASSERT_FALSE(kept.isFree());
    EXPECT_EQ(0, kept.presence(0));
    EXPECT_EQ(0u, kept.mainLink(0).value()); // only bits 30-31 stay, and they were 0
    EXPECT_EQ(0u, kept.transponderLink(0).value());
    EXPECT_EQ(0, kept.favouriteByte(0, 3));
    EXPECT_EQ(0x80, kept.favouriteByte(1, 3));
    EXPECT_EQ((Pks{1, 5000, 5001}), pksOf(db, ListKind::TvChannels, 0));
    EXPECT_EQ(0u, db.channel(1).mainLink(0).key());
    EXPECT_EQ(-1, db.pkPositions()[0]);
    EXPECT_EQ(0, db.pkPositions()[1]);
    EXPECT_TRUE(verifyLists(db));

    EXPECT_EQ(1, DeleteChannel(db, 5000));
    EXPECT_TRUE(isAllFF(db.channel(0).bytes(), kChannelRecordSize));
    EXPECT_EQ(Pks{}, pksOf(db, FavouriteKind(3), 0));
    db.setModified(false);
    EXPECT_EQ(0, DeleteChannel(db, 5000));
    EXPECT_EQ(0, DeleteChannel(db, 10000));
    EXPECT_FALSE(db.modified());
}

TEST(OperationsBatch, DeletingManySidesAtOnceEqualsDeletingThemOneByOne) {
    ChannelDatabase batch, single;
    ASSERT_GE(makeSampleDatabase(batch, 7, 6, 60, 400), 0);
    ASSERT_GE(makeSampleDatabase(single, 7, 6, 60, 400), 0);
    RebuildPkChannel(batch);
    RebuildPkChannel(single);
    // Every third side of the main lists, one twice, both sides of a record, and a PK that names nothing.
    Pks doomed;
    for (const ListKind kind : {ListKind::TvChannels, ListKind::RadioChannels, ListKind::DataChannels})
        for (const int pk : pksOf(batch, kind, 0))
            if (pk % 3 == 0)
                doomed.push_back(pk);
    ASSERT_GT(doomed.size(), 50u);
    doomed.push_back(doomed[4]);
    doomed.push_back(doomed[0] < kChannelCount ? doomed[0] + kChannelCount : doomed[0] - kChannelCount);
    doomed.push_back(9999);
    int removedOneByOne = 0;
    for (const int pk : doomed)
        removedOneByOne += DeleteChannel(single, pk);
    EXPECT_EQ(removedOneByOne, DeleteChannels(batch, doomed));
    EXPECT_TRUE(batch.modified());
    EXPECT_TRUE(sameLists(single, batch));
    EXPECT_TRUE(std::ranges::equal(single.channelBuffer(), batch.channelBuffer()));
    EXPECT_TRUE(std::ranges::equal(single.pkChannel(), batch.pkChannel()));
    EXPECT_TRUE(std::ranges::equal(single.pkPositions(), batch.pkPositions()));
    EXPECT_TRUE(verifyLists(batch));
}

TEST_F(Operations, DeletingATransponderTakesItsChannelsAlong) {
    put(0, ServiceType::Tv, 0, true, true, 0, 0, 1);
    put(1, ServiceType::Radio, 0, true, false, 0, 0);
    put(2, ServiceType::Data, 0, false, true, 0, 0);
    put(3, ServiceType::Tv, 2, true, false, 1, 1, 1);
    build();
    RebuildPkChannel(db);
    db.setModified(false);
    EXPECT_EQ(1, DeleteTransponder(db, 0));
    EXPECT_TRUE(db.modified());
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(db.channel(slot).isFree()) << slot;
    EXPECT_TRUE(isAllFF(db.transponder(0).bytes(), kTransponderRecordSize));
    EXPECT_EQ((Pks{2, 1}), pksOf(db, ListKind::Transponders, 0)); // sorted by key: 0, 0, 1
    EXPECT_EQ(Pks{}, pksOf(db, ListKind::Bands, 5));
    EXPECT_EQ(Pks{3}, pksOf(db, FavouriteKind(1), 0));
    EXPECT_EQ(0x80, db.channel(3).favouriteByte(0, 1));
    EXPECT_EQ(0u, db.channel(3).mainLink(0).key());
    EXPECT_EQ(0, db.pkPositions()[3]);
    EXPECT_EQ(0, DeleteTransponder(db, 1500));
    EXPECT_EQ(0, DeleteTransponder(db, -1));
}

TEST_F(Operations, DeletingEmptyTranspondersDropsThemFromTheListsAtOnce) {
    put(0, ServiceType::Tv, 0, true, false, 0, 0);
    put(1, ServiceType::Data, 1, true, true, 0, 0); // transponder 1 carries only data
    build();
    db.setModified(false);
    EXPECT_EQ(2, DeleteEmptyTransponders(db)); // transponders 1 and 2
    EXPECT_TRUE(db.modified());
    EXPECT_TRUE(db.transponder(1).isFree());
    EXPECT_TRUE(db.channel(1).isFree());
    EXPECT_EQ(0xFFFFFFF7u, db.transponder(2).tuning().value());
    EXPECT_TRUE(isAllFF(db.transponder(2).bytes(), TransponderRecord::kTuning));
    EXPECT_EQ(Pks{0}, pksOf(db, ListKind::Transponders, 0));
    EXPECT_EQ(Pks{}, pksOf(db, ListKind::SatelliteTransponders, 1));
    EXPECT_EQ(Pks{}, pksOf(db, ListKind::DataChannels, 0));
    EXPECT_EQ(0u, LinkWord::FromForm16(db.transponder(0).listLink()).key());
    EXPECT_EQ(0, DeleteEmptyTransponders(db));
}

TEST_F(Operations, RemovingAFavouriteClosesUpTheGroup) {
    for (int slot = 0; slot < 6; ++slot)
        put(slot, slot == 5 ? ServiceType::Radio : ServiceType::Tv, 0, true, true, static_cast<unsigned>(slot),
            static_cast<unsigned>(slot));
    build();
    EXPECT_EQ(6, AddFavorites(db, 2, Pks{0, 1, 2, 3, 4, 5000}));
    EXPECT_EQ(0, AddFavorites(db, 2, Pks{1, 3})); // members already
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(0x80 + slot, db.channel(slot).favouriteByte(0, 2)) << slot;
    auto block = db.favourites().block(2);
    block[FavouriteGroups::kTvCountWord] = 6;
    {
        TraceCapture trace;
        EXPECT_EQ(1, RemoveFavorite(db, 2, 2));
        char expected[80];
        std::snprintf(expected, sizeof expected, "RemoveFavorite: nFavIndex=2, pChannel=%#x\n",
                      static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(db.channel(2).bytes())));
        EXPECT_EQ(expected, trace.text());
    }
    EXPECT_EQ(0, db.channel(2).favouriteByte(0, 2));
    EXPECT_EQ(0x82, db.channel(3).favouriteByte(0, 2));
    EXPECT_EQ(0x83, db.channel(4).favouriteByte(0, 2));
    EXPECT_EQ(0x80, db.channel(0).favouriteByte(1, 2)); // the other tuner's group is its own
    EXPECT_EQ(5, block[FavouriteGroups::kTvCountWord]);
    EXPECT_EQ((Pks{0, 1, 3, 4, 5000}), pksOf(db, FavouriteKind(2), 0));
    EXPECT_EQ(0, RemoveFavorite(db, 2, 2)); // not a member any more
    EXPECT_EQ(0, RemoveFavorite(db, 8, 3));
    ClearFavoriteCounters(db);
    EXPECT_EQ(0, block[FavouriteGroups::kTvCountWord]);
    EXPECT_EQ(0, block[FavouriteGroups::kRadioCountWord]);
}

TEST_F(Operations, MovedChannelsLandInSelectionOrderBeforeTheTarget) {
    for (int slot = 0; slot < 5; ++slot)
        put(slot, ServiceType::Tv, 0, true, false, static_cast<unsigned>(slot), 0);
    put(5, ServiceType::Radio, 0, true, true, 0, 0);
    build();
    EXPECT_EQ(3, MoveChannels(db, ServiceType::Tv, 1, Pks{4, 5, 3, 1}));
    EXPECT_EQ((Pks{0, 4, 5, 3, 1, 2, 5005}), pksOf(db, ListKind::TvChannels, 0));
    EXPECT_EQ(static_cast<std::uint8_t>(ServiceType::Tv), db.channel(5).serviceType());
    EXPECT_EQ(2u, db.channel(5).mainLink(0).key());
    EXPECT_EQ(0u, db.channel(5).transponderLink(1).type());
    EXPECT_EQ(Pks{}, pksOf(db, ListKind::RadioChannels, 0));
    EXPECT_EQ(Pks{5005}, pksOf(db, ListKind::Tuner2Tv, 0));
    EXPECT_EQ(0, MoveChannels(db, ServiceType::Tv, 7, Pks{0}));
    EXPECT_EQ(0, MoveChannels(db, ServiceType::Data, 1, Pks{0}));
}

TEST_F(Operations, CopyingTwiceAddsNothingTheSecondTimeButRefreshesServiceWords) {
    put(0, ServiceType::Tv, 0, true, false, 0, 0, 4);
    put(1, ServiceType::Radio, 2, true, false, 0, 0);
    put(2, ServiceType::Data, 1, true, false, 0, 0);
    put(3, ServiceType::Tv, 0, false, true, 0, 0);
    put(4, ServiceType::Tv, 2, true, false, 1, 0);
    build();
    EXPECT_EQ(3, CopyTunerChannels(db, 0, 1, false));
    EXPECT_EQ((Pks{5000, 5003, 5004}), pksOf(db, ListKind::Tuner2Tv, 0));
    EXPECT_EQ(Pks{5001}, pksOf(db, ListKind::Tuner2Radio, 0));
    EXPECT_EQ(0, db.channel(2).presence(1)); // data channels are not copied
    EXPECT_EQ(0, db.channel(0).favouriteByte(1, 4));
    EXPECT_EQ(1u, db.channel(4).satelliteLink(1).index());
    ServiceWord word = db.channel(4).serviceWord(0);
    word.setLocked(true);
    word.setScrambled(true);
    db.channel(4).setServiceWord(0, word);
    EXPECT_EQ(0, CopyTunerChannels(db, 0, 1, false));
    EXPECT_EQ(word.value(), db.channel(4).serviceWord(1).value());
    EXPECT_EQ(Pks{5004}, pksOf(db, ListKind::TvByScrambling, 1));
    EXPECT_EQ(0, CopyTunerChannels(db, 1, 1, false));
    EXPECT_EQ(0, CopyTunerChannels(db, 0, 2, false));
}

TEST_F(Operations, PkChannelHoldsTvThenRadioInListOrder) {
    put(0, ServiceType::Radio, 0, true, false, 0, 0);
    put(1, ServiceType::Tv, 0, true, true, 1, 0);
    put(2, ServiceType::Tv, 0, true, false, 0, 0);
    put(3, ServiceType::Data, 0, true, false, 0, 0);
    build();
    EXPECT_EQ(4, RebuildPkChannel(db));
    const std::uint8_t* entries = db.pkChannel().data();
    const std::size_t stride = ChannelDatabase::kPkChannelEntrySize;
    Pks stored;
    for (std::size_t i = 0; i < 4; ++i)
        stored.push_back(readLe16(entries + i * stride + kChannelRecordSize));
    EXPECT_EQ((Pks{2, 1, 5001, 0}), stored);
    EXPECT_EQ(0, std::memcmp(entries + stride, db.channel(1).bytes(), kChannelRecordSize));
    EXPECT_EQ(0, entries[4 * stride]);
    EXPECT_EQ(3, db.pkPositions()[0]);
    EXPECT_EQ(2, db.pkPositions()[5001]);
    EXPECT_EQ(-1, db.pkPositions()[3]);
}

// A paste into another file needs a satellite at the copy's position; the first paste adds the transponder, the
// second finds it.
TEST(ChannelClipboard, PasteIntoAnotherFileFindsOrCreatesTheTransponder) {
    ChannelDatabase from, into;
    ASSERT_GT(makeSampleDatabase(from, 1, 8, 120, 600), 0);
    ASSERT_GT(makeSampleDatabase(into, 2, 8, 120, 600), 0);
    const int pk = pksOf(from, ListKind::TvChannels).front(); // tuner 1 comes first
    const std::vector<CopiedChannel> copies = DecodeCopiedChannels(EncodeCopiedChannels(CopyChannels(from, {&pk, 1})));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(DecodeCopiedChannels(std::vector<std::uint8_t>{'x', 'y'}).empty());

    const int target = into.lists().Head(ListKind::Satellites, 0)->first->pk;
    for (int satellite = 0; satellite < kSatelliteCount; ++satellite)
        if (into.satellite(satellite).orbitalPosition() == copies[0].satellitePosition)
            into.satellite(satellite).setOrbitalPosition(static_cast<std::int16_t>(copies[0].satellitePosition + 1));
    EXPECT_TRUE(PasteChannels(into, ServiceType::Tv, -1, copies).empty());
    EXPECT_FALSE(into.modified());

    into.satellite(target).setOrbitalPosition(copies[0].satellitePosition);
    const std::size_t transponders = pksOf(into, ListKind::Transponders).size();
    const int after = pksOf(into, ListKind::TvChannels).front();
    for (int paste = 1; paste <= 2; ++paste) {
        const std::vector<int> pasted = PasteChannels(into, ServiceType::Tv, after, copies);
        ASSERT_EQ(pasted.size(), 1u);
        EXPECT_EQ(ChannelNumber(into, pasted[0]), ChannelNumber(into, after) + 1);
        EXPECT_EQ(into.channelOfPk(pasted[0]).name(), from.channelOfPk(pk).name());
        EXPECT_EQ(pksOf(into, ListKind::Transponders).size(), transponders + 1);
        const auto tp = into.transponder(static_cast<int>(into.channelOfPk(pasted[0]).transponderLink(0).index()));
        EXPECT_EQ(tp.frequency(), copies[0].frequency);
        EXPECT_EQ(static_cast<int>(tp.satelliteLink().index()), target);
    }
    EXPECT_TRUE(verifyLists(into));
}
