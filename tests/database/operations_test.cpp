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

std::uint16_t ChannelCursor(const ChannelDatabase& db) {
    return ReadLe16(db.CurrentSettings(), kLastChannelSlotOffset);
}

// After Init: satellite 0 (universal LNB) with transponders 0 and 1, satellite 1 with transponder 2.
class Operations : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Init(m_db));
        PutSatellite(m_db, 0, "Orbis 19.2E", SatelliteRecord::kLnbTypeUniversal, 0);
        PutSatellite(m_db, 1, "Helion 13.0E", 0, 1);
        PutTransponder(m_db, 0, 0, 11700, kPolarisationVertical, 0);
        PutTransponder(m_db, 1, 0, 10700, kPolarisationHorizontal, 1);
        PutTransponder(m_db, 2, 1, 12100, kPolarisationHorizontal, 0);
    }

    void Put(int slot, ServiceType type, int transponder, bool t1, bool t2, unsigned key1, unsigned key2,
             int favourite = -1) {
        PutChannel(m_db, slot, {type, transponder, t1, t2, key1, key2, false, favourite});
    }

    // Every operation leaves the lists in step with the records.
    void TearDown() override { EXPECT_TRUE(!m_listsKept || VerifyLists(m_db)); }

    void Build() { ASSERT_TRUE(m_db.BuildAllLists().has_value()); }

    // The bytes putChannel would write, without taking a slot of the table.
    std::array<std::uint8_t, kChannelRecordSize> RecordFor(ServiceType type, int transponder, bool t1, bool t2) {
        constexpr int kScratchSlot = kChannelCount - 1;
        const auto saved = CopyOf<kChannelRecordSize>(m_db.Channel(kScratchSlot).RecordBytes());
        Put(kScratchSlot, type, transponder, t1, t2, 0x3FFF, 0x3FFF);
        const auto bytes = CopyOf<kChannelRecordSize>(m_db.Channel(kScratchSlot).RecordBytes());
        std::memcpy(m_db.Channel(kScratchSlot).RecordBytes(), saved.data(), saved.size());
        return bytes;
    }

    ChannelDatabase m_db;
    bool m_listsKept = true;
};

} // namespace

TEST_F(Operations, LabelsCountTvAndRadioChannels) {
    Put(0, ServiceType::Tv, 0, true, false, 0, 0);
    Put(1, ServiceType::Tv, 0, true, true, 1, 0);
    Put(2, ServiceType::Radio, 0, true, false, 0, 0);
    Put(3, ServiceType::Data, 1, true, false, 0, 0);
    Build();
    EXPECT_EQ("Orbis 19.2E [3:1]", SatelliteLabel(m_db, m_db.Satellite(0).RecordBytes()));
    EXPECT_EQ("11700 V 27500 [3:1]", TransponderLabel(m_db, m_db.Transponder(0).RecordBytes()));
    EXPECT_TRUE(IsSatelliteEmpty(m_db, 1)); // data channels do not count
    EXPECT_FALSE(IsSatelliteEmpty(m_db, 0));
    EXPECT_TRUE(IsSatelliteEmpty(m_db, 64));

    m_db.Satellite(1).SetName("ABCDEFGHIJKLMNOP");
    EXPECT_EQ("ABCDEFGHIJKLMNO [0:0]", SatelliteLabel(m_db, m_db.Satellite(1).RecordBytes()));
    TuningWord tuning = m_db.Transponder(2).Tuning();
    tuning.SetPolarisation(3);
    m_db.Transponder(2).SetTuning(tuning);
    tuning.SetPolarisation(0);
    m_db.Transponder(1).SetTuning(tuning);
    EXPECT_EQ("12100 ? 27500 [0:0]", TransponderLabel(m_db, m_db.Transponder(2).RecordBytes()));
    EXPECT_EQ("10700 A 27500 [0:0]", TransponderLabel(m_db, m_db.Transponder(1).RecordBytes()));
    EXPECT_EQ("", SatelliteLabel(m_db, m_db.arrSatellite() - 1));
    EXPECT_EQ("", SatelliteLabel(m_db, m_db.Transponder(0).RecordBytes()));
    EXPECT_EQ("", TransponderLabel(m_db, m_db.Satellite(0).RecordBytes()));
}

TEST_F(Operations, SlotSearchStartsBehindTheCursorAndWraps) {
    Build();
    m_listsKept = false;                     // records put straight into the table
    EXPECT_EQ(0, FindFreeChannelSlot(m_db)); // the cursor starts at the last slot
    EXPECT_EQ(0, ChannelCursor(m_db));
    EXPECT_EQ(1, FindFreeChannelSlot(m_db)); // nothing was put there, yet the search moves on
    CurrentReceiverSettings(m_db).set_last_channel_slot(4998);
    Put(4999, ServiceType::Tv, 0, true, false, 0, 0);
    Put(0, ServiceType::Tv, 0, true, false, 1, 0);
    EXPECT_EQ(1, FindFreeChannelSlot(m_db));
    EXPECT_EQ(3, FindFreeTransponderSlot(m_db));
    EXPECT_EQ(3, ReadLe16(m_db.CurrentSettings(), kLastTransponderSlotOffset));
}

TEST(OperationsFullTable, AddingGivesUpAfterExactlyOneRoundAndKeepsTheCursors) {
    ChannelDatabase db;
    ASSERT_TRUE(Init(db));
    FillFullDatabase(db);
    ASSERT_GT(db.BuildAllLists().value_or(0), 0);
    CurrentReceiverSettings(db).set_last_channel_slot(1234);
    CurrentReceiverSettings(db).set_last_transponder_slot(77);
    db.SetModified(false);
    {
        TraceCapture trace;
        EXPECT_FALSE(AddChannel(db, CopyOf<kChannelRecordSize>(db.Channel(10).RecordBytes())));
        EXPECT_FALSE(AddTransponder(db, CopyOf<kTransponderRecordSize>(db.Transponder(5).RecordBytes())));
        EXPECT_EQ("AddChannel: channel buffer has no room\nAddTransponder: tp buffer has no room\n", trace.Text());
    }
    EXPECT_EQ(1234, ChannelCursor(db));
    EXPECT_EQ(77, CurrentReceiverSettings(db).last_transponder_slot());
    EXPECT_FALSE(db.Modified());
    // The 5000th probe is the cursor's own slot; the first is the one behind it.
    std::memset(db.Channel(1234).RecordBytes(), 0xFF, kChannelRecordSize);
    EXPECT_EQ(1234, FindFreeChannelSlot(db));
    CurrentReceiverSettings(db).set_last_channel_slot(1233);
    EXPECT_EQ(1234, FindFreeChannelSlot(db));
}

TEST_F(Operations, AddTransponderJoinsItsThreeListsAndItsBand) {
    Build();
    m_db.SetModified(false);
    TraceCapture trace;
    EXPECT_TRUE(AddTransponder(m_db, CopyOf<kTransponderRecordSize>(m_db.Transponder(0).RecordBytes())));
    EXPECT_EQ("TP ADDED... NEW PK=3\n", trace.Text());
    EXPECT_TRUE(m_db.Modified());
    EXPECT_EQ((Pks{0, 2, 1, 3}), PksOf(m_db, ListKind::Transponders, 0)); // keys 0, 0, 1, then the new one
    EXPECT_EQ((Pks{0, 1, 3}), PksOf(m_db, ListKind::SatelliteTransponders, 0));
    EXPECT_EQ((Pks{0, 3}), PksOf(m_db, ListKind::Bands, 5)); // universal, high band, vertical
    EXPECT_EQ(1u, m_db.Transponder(3).BandLink().Key());
    EXPECT_EQ(3u, LinkWord::FromForm16(m_db.Transponder(3).ListLink()).Key());
    EXPECT_FALSE(AddTransponder(m_db, CopyOf<kTransponderRecordSize>()));
}

TEST_F(Operations, AddChannelTakesTheLastPlaceOfItsSideInEveryList) {
    Put(0, ServiceType::Tv, 0, true, true, 0, 0);
    Put(1, ServiceType::Tv, 0, false, true, 0, 1);
    Build();
    m_db.SetModified(false);
    ASSERT_TRUE(AddChannel(m_db, RecordFor(ServiceType::Tv, 0, true, false))); // slot 2
    ASSERT_TRUE(AddChannel(m_db, RecordFor(ServiceType::Tv, 0, false, true))); // slot 3
    EXPECT_FALSE(m_db.Modified());
    EXPECT_EQ(3, ChannelCursor(m_db));
    for (const ListKind kind :
         {ListKind::TvChannels, ListKind::TvByTransponder, ListKind::TvBySatellite, ListKind::TvByScrambling})
        EXPECT_EQ((Pks{0, 2, 5000, 5001, 5003}), PksOf(m_db, kind, 0)) << static_cast<int>(kind);
    EXPECT_EQ((Pks{0, 2}), PksOf(m_db, ListKind::Tuner1Tv, 0));
    EXPECT_EQ(2u, m_db.Channel(3).MainLink(TunerSide::Second).Key());
    EXPECT_EQ(4u, m_db.Channel(3).TransponderLink(TunerSide::Second).Key()); // one run over both sides

    ASSERT_TRUE(AddChannel(m_db, RecordFor(ServiceType::Radio, 2, true, true)));
    EXPECT_EQ((Pks{4, 5004}), PksOf(m_db, ListKind::RadioBySatellite, 1));
    auto none = RecordFor(ServiceType::Tv, 2, true, false);
    none[ChannelRecord::kServiceType] = static_cast<std::uint8_t>(ServiceType::None);
    ASSERT_TRUE(AddChannel(m_db, none));
    EXPECT_EQ(5u, PksOf(m_db, ListKind::TvChannels, 0).size());   // listed nowhere
    EXPECT_FALSE(AddChannel(m_db, CopyOf<kChannelRecordSize>())); // refused before a slot is taken
    EXPECT_EQ(5, ChannelCursor(m_db));
}

TEST_F(Operations, DeletingABothTunerChannelFromEachTunerInTurnFreesItLast) {
    Put(0, ServiceType::Tv, 0, true, true, 0, 0, 3);
    Put(1, ServiceType::Tv, 0, true, true, 1, 1);
    Build();
    RebuildPkChannel(m_db);
    m_db.SetModified(false);
    EXPECT_EQ(1, DeleteChannel(m_db, Pk(0)));
    EXPECT_TRUE(m_db.Modified());
    const ConstChannelRecord kept = m_db.Channel(0);
    EXPECT_EQ(0, kept.Presence(TunerSide::First));
    EXPECT_EQ(0u, kept.MainLink(TunerSide::First).Value() |
                      kept.TransponderLink(TunerSide::First).Value()); // only bits 30-31 stay, were 0
    EXPECT_EQ(0, kept.FavouriteByte(TunerSide::First, 3));
    EXPECT_EQ(0x80, kept.FavouriteByte(TunerSide::Second, 3));
    EXPECT_EQ((Pks{1, 5000, 5001}), PksOf(m_db, ListKind::TvChannels, 0));
    EXPECT_EQ(0u, m_db.Channel(1).MainLink(TunerSide::First).Key());
    EXPECT_EQ((Pks{-1, 0}), Pks(m_db.PkPositions().begin(), m_db.PkPositions().begin() + 2));

    EXPECT_EQ(1, DeleteChannel(m_db, Pk(5000)));
    EXPECT_EQ(CopyOf<kChannelRecordSize>(), CopyOf<kChannelRecordSize>(m_db.Channel(0).RecordBytes()));
    EXPECT_EQ(Pks{}, PksOf(m_db, FavouriteKind(3), 0));
    m_db.SetModified(false);
    EXPECT_EQ(0, DeleteChannel(m_db, Pk(5000)));
    EXPECT_EQ(0, DeleteChannel(m_db, Pk(10000)));
    EXPECT_FALSE(m_db.Modified());
}

TEST(OperationsBatch, DeletingManySidesAtOnceEqualsDeletingThemOneByOne) {
    ChannelDatabase batch, single;
    ASSERT_GE(MakeSampleDatabase(batch, 7, 6, 60, 400), 0);
    ASSERT_GE(MakeSampleDatabase(single, 7, 6, 60, 400), 0);
    RebuildPkChannel(batch);
    RebuildPkChannel(single);
    // Every third side of the main lists, one twice, both sides of a record, and a PK that names nothing.
    Pks doomed;
    for (const ListKind kind : {ListKind::TvChannels, ListKind::RadioChannels, ListKind::DataChannels})
        for (const int pk : PksOf(batch, kind, 0))
            if (pk % 3 == 0)
                doomed.push_back(pk);
    ASSERT_GT(doomed.size(), 50u);
    doomed.push_back(doomed[4]);
    doomed.push_back(doomed[0] < kChannelCount ? doomed[0] + kChannelCount : doomed[0] - kChannelCount);
    doomed.push_back(9999);
    int removedOneByOne = 0;
    for (const Pk pk : AsPks(doomed))
        removedOneByOne += DeleteChannel(single, pk);
    EXPECT_EQ(removedOneByOne, DeleteChannels(batch, AsPks(doomed)));
    EXPECT_TRUE(batch.Modified());
    EXPECT_TRUE(SameLists(single, batch));
    EXPECT_TRUE(std::ranges::equal(single.ChannelBuffer(), batch.ChannelBuffer()));
    EXPECT_TRUE(std::ranges::equal(single.PkChannel(), batch.PkChannel()));
    EXPECT_TRUE(std::ranges::equal(single.PkPositions(), batch.PkPositions()));
    EXPECT_TRUE(VerifyLists(batch));
}

TEST_F(Operations, DeletingATransponderTakesItsChannelsAlong) {
    Put(0, ServiceType::Tv, 0, true, true, 0, 0, 1);
    Put(1, ServiceType::Radio, 0, true, false, 0, 0);
    Put(2, ServiceType::Data, 0, false, true, 0, 0);
    Put(3, ServiceType::Tv, 2, true, false, 1, 1, 1);
    Build();
    RebuildPkChannel(m_db);
    m_db.SetModified(false);
    EXPECT_TRUE(DeleteTransponder(m_db, 0));
    EXPECT_TRUE(m_db.Modified());
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(m_db.Channel(slot).IsFree()) << slot;
    EXPECT_EQ(CopyOf<kTransponderRecordSize>(), CopyOf<kTransponderRecordSize>(m_db.Transponder(0).RecordBytes()));
    EXPECT_EQ((Pks{2, 1}), PksOf(m_db, ListKind::Transponders, 0)); // sorted by key: 0, 0, 1
    EXPECT_EQ(Pks{}, PksOf(m_db, ListKind::Bands, 5));
    EXPECT_EQ(Pks{3}, PksOf(m_db, FavouriteKind(1), 0));
    EXPECT_EQ(0x80, m_db.Channel(3).FavouriteByte(TunerSide::First, 1));
    EXPECT_EQ(0u, m_db.Channel(3).MainLink(TunerSide::First).Key());
    EXPECT_EQ(0, m_db.PkPositions()[3]);
    EXPECT_FALSE(DeleteTransponder(m_db, 1500));
    EXPECT_FALSE(DeleteTransponder(m_db, -1));
}

TEST_F(Operations, DeletingEmptyTranspondersDropsThemFromTheListsAtOnce) {
    Put(0, ServiceType::Tv, 0, true, false, 0, 0);
    Put(1, ServiceType::Data, 1, true, true, 0, 0); // transponder 1 carries only data
    Build();
    m_db.SetModified(false);
    EXPECT_EQ(2, DeleteEmptyTransponders(m_db)); // transponders 1 and 2
    EXPECT_TRUE(m_db.Modified());
    EXPECT_TRUE(m_db.Transponder(1).IsFree());
    EXPECT_TRUE(m_db.Channel(1).IsFree());
    EXPECT_EQ(RecordOf(48, {{0x18, "F7"}}), BytesAt(m_db.Transponder(2).RecordBytes(), kTransponderRecordSize));
    EXPECT_EQ(Pks{0}, PksOf(m_db, ListKind::Transponders, 0));
    EXPECT_EQ(Pks{}, PksOf(m_db, ListKind::SatelliteTransponders, 1));
    EXPECT_EQ(Pks{}, PksOf(m_db, ListKind::DataChannels, 0));
    EXPECT_EQ(0u, LinkWord::FromForm16(m_db.Transponder(0).ListLink()).Key());
    EXPECT_EQ(0, DeleteEmptyTransponders(m_db));
}

TEST_F(Operations, RemovingAFavouriteClosesUpTheGroup) {
    for (int slot = 0; slot < 6; ++slot)
        Put(slot, slot == 5 ? ServiceType::Radio : ServiceType::Tv, 0, true, true, static_cast<unsigned>(slot),
            static_cast<unsigned>(slot));
    Build();
    EXPECT_EQ(6, AddFavourites(m_db, 2, AsPks({0, 1, 2, 3, 4, 5000})));
    EXPECT_EQ(0, AddFavourites(m_db, 2, AsPks({1, 3}))); // members already
    EXPECT_EQ((std::vector<int>{0x80, 0x81, 0x82, 0x83, 0x84}), FavouriteBytes(m_db, TunerSide::First, 2, 5));
    auto block = m_db.Favourites().Block(2);
    block[FavouriteGroups::kTvCountWord] = 6;
    {
        TraceCapture trace;
        EXPECT_TRUE(RemoveFavourite(m_db, 2, Pk(2)));
        char expected[80];
        std::snprintf(expected, sizeof expected, "RemoveFavorite: nFavIndex=2, pChannel=%#x\n",
                      static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(m_db.Channel(2).RecordBytes())));
        EXPECT_EQ(expected, trace.Text());
    }
    EXPECT_EQ((std::vector<int>{0x80, 0x81, 0, 0x82, 0x83}), FavouriteBytes(m_db, TunerSide::First, 2, 5));
    EXPECT_EQ(0x80, m_db.Channel(0).FavouriteByte(TunerSide::Second, 2)); // the other tuner's group is its own
    EXPECT_EQ(5, block[FavouriteGroups::kTvCountWord]);
    EXPECT_EQ((Pks{0, 1, 3, 4, 5000}), PksOf(m_db, FavouriteKind(2), 0));
    EXPECT_FALSE(RemoveFavourite(m_db, 2, Pk(2))); // not a member any more
    EXPECT_FALSE(RemoveFavourite(m_db, 8, Pk(3)));
    ClearFavouriteCounters(m_db);
    EXPECT_EQ(0, block[FavouriteGroups::kTvCountWord]);
    EXPECT_EQ(0, block[FavouriteGroups::kRadioCountWord]);
}

TEST_F(Operations, MovedChannelsLandInSelectionOrderBeforeTheTarget) {
    for (int slot = 0; slot < 5; ++slot)
        Put(slot, ServiceType::Tv, 0, true, false, static_cast<unsigned>(slot), 0);
    Put(5, ServiceType::Radio, 0, true, true, 0, 0);
    Build();
    EXPECT_EQ(3, MoveChannels(m_db, ServiceType::Tv, Pk(1), AsPks({4, 5, 3, 1})));
    EXPECT_EQ((Pks{0, 4, 5, 3, 1, 2, 5005}), PksOf(m_db, ListKind::TvChannels, 0));
    EXPECT_EQ(static_cast<std::uint8_t>(ServiceType::Tv), m_db.Channel(5).ServiceTypeCode());
    EXPECT_EQ(2u, m_db.Channel(5).MainLink(TunerSide::First).Key());
    EXPECT_EQ(0u, m_db.Channel(5).TransponderLink(TunerSide::Second).Type());
    EXPECT_EQ(Pks{}, PksOf(m_db, ListKind::RadioChannels, 0));
    EXPECT_EQ(Pks{5005}, PksOf(m_db, ListKind::Tuner2Tv, 0));
    EXPECT_EQ(0, MoveChannels(m_db, ServiceType::Tv, Pk(7), AsPks({0})));
    EXPECT_EQ(0, MoveChannels(m_db, ServiceType::Data, Pk(1), AsPks({0})));
}

TEST_F(Operations, CopyingTwiceAddsNothingTheSecondTimeButRefreshesServiceWords) {
    Put(0, ServiceType::Tv, 0, true, false, 0, 0, 4);
    Put(1, ServiceType::Radio, 2, true, false, 0, 0);
    Put(2, ServiceType::Data, 1, true, false, 0, 0);
    Put(3, ServiceType::Tv, 0, false, true, 0, 0);
    Put(4, ServiceType::Tv, 2, true, false, 1, 0);
    Build();
    EXPECT_EQ(3, CopyTunerChannels(m_db, TunerSide::First, TunerSide::Second, false));
    EXPECT_EQ((Pks{5000, 5003, 5004}), PksOf(m_db, ListKind::Tuner2Tv, 0));
    EXPECT_EQ(Pks{5001}, PksOf(m_db, ListKind::Tuner2Radio, 0));
    EXPECT_EQ(0, m_db.Channel(2).Presence(TunerSide::Second)); // data channels are not copied
    EXPECT_EQ(0, m_db.Channel(0).FavouriteByte(TunerSide::Second, 4));
    EXPECT_EQ(1u, m_db.Channel(4).SatelliteLink(TunerSide::Second).Index());
    ServiceWord word = m_db.Channel(4).SidedServiceWord(TunerSide::First);
    word.SetLocked(true);
    word.SetScrambled(true);
    m_db.Channel(4).SetServiceWord(TunerSide::First, word);
    EXPECT_EQ(0, CopyTunerChannels(m_db, TunerSide::First, TunerSide::Second, false));
    EXPECT_EQ(word.Value(), m_db.Channel(4).SidedServiceWord(TunerSide::Second).Value());
    EXPECT_EQ(Pks{5004}, PksOf(m_db, ListKind::TvByScrambling, 1));
    EXPECT_EQ(0, CopyTunerChannels(m_db, TunerSide::Second, TunerSide::Second, false));
}

TEST_F(Operations, PkChannelHoldsTvThenRadioInListOrder) {
    Put(0, ServiceType::Radio, 0, true, false, 0, 0);
    Put(1, ServiceType::Tv, 0, true, true, 1, 0);
    Put(2, ServiceType::Tv, 0, true, false, 0, 0);
    Put(3, ServiceType::Data, 0, true, false, 0, 0);
    Build();
    EXPECT_EQ(4, RebuildPkChannel(m_db));
    const std::uint8_t* entries = m_db.PkChannel().data();
    const std::size_t stride = ChannelDatabase::kPkChannelEntrySize;
    const int pks[] = {2, 1, 5001, 0};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(pks[i], ReadLe16(entries + i * stride + kChannelRecordSize)) << i;
    EXPECT_EQ(0, std::memcmp(entries + stride, m_db.Channel(1).RecordBytes(), kChannelRecordSize));
    EXPECT_EQ(0, entries[4 * stride]);
    EXPECT_EQ(3, m_db.PkPositions()[0]);
    EXPECT_EQ(2, m_db.PkPositions()[5001]);
    EXPECT_EQ(-1, m_db.PkPositions()[3]);
}

// A paste into another file needs a satellite at the copy's position; the first paste adds the transponder, the
// second finds it.
TEST(ChannelClipboard, PasteIntoAnotherFileFindsOrCreatesTheTransponder) {
    ChannelDatabase from, into;
    ASSERT_GT(MakeSampleDatabase(from, 1, 8, 120, 600), 0);
    ASSERT_GT(MakeSampleDatabase(into, 2, 8, 120, 600), 0);
    const Pk pk = PkListOf(from, ListKind::TvChannels).front(); // tuner 1 comes first
    const std::vector<CopiedChannel> copies = DecodeCopiedChannels(EncodeCopiedChannels(CopyChannels(from, {&pk, 1})));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(DecodeCopiedChannels(std::vector<std::uint8_t>{'x', 'y'}).empty());

    const int target = into.Lists().Head(ListKind::Satellites, 0)->first->pk.Record();
    for (int satellite = 0; satellite < kSatelliteCount; ++satellite)
        if (into.Satellite(satellite).OrbitalPosition() == copies[0].satellitePosition)
            into.Satellite(satellite).SetOrbitalPosition(static_cast<std::int16_t>(copies[0].satellitePosition + 1));
    EXPECT_TRUE(PasteChannels(into, ServiceType::Tv, std::nullopt, copies).empty());
    EXPECT_FALSE(into.Modified());

    into.Satellite(target).SetOrbitalPosition(copies[0].satellitePosition);
    const std::size_t transponders = PksOf(into, ListKind::Transponders).size();
    const Pk after = PkListOf(into, ListKind::TvChannels).front();
    for (int paste = 1; paste <= 2; ++paste) {
        const std::vector<Pk> pasted = PasteChannels(into, ServiceType::Tv, after, copies);
        ASSERT_EQ(pasted.size(), 1u);
        EXPECT_EQ(ChannelNumber(into, pasted[0]), ChannelNumber(into, after) + 1);
        EXPECT_EQ(into.ChannelOfPk(pasted[0]).Name(), from.ChannelOfPk(pk).Name());
        EXPECT_EQ(PksOf(into, ListKind::Transponders).size(), transponders + 1);
        const auto tp =
            into.Transponder(static_cast<int>(into.ChannelOfPk(pasted[0]).TransponderLink(TunerSide::First).Index()));
        EXPECT_EQ(tp.Frequency(), copies[0].frequency);
        EXPECT_EQ(static_cast<int>(tp.SatelliteLink().Index()), target);
    }
    EXPECT_TRUE(VerifyLists(into));
}
