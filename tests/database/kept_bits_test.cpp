// Bit 31 of a 32-bit link field belongs to the record, not to its lists: every edit keeps it on both tuner sides,
// present or not (a side that becomes present keeps its own), and no other byte changes because of it.

#include "database/add_records.h"
#include "database/delete_channels.h"
#include "database/move_channels.h"
#include "database/tuner_copy.h"
#include "list_test_util.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>
#include <utility>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

// Sets or clears bit 31 of every 32-bit link field of every used record, the two sides of a channel in opposite
// fields, so that a side taking its neighbour's bit shows as well as a bit lost.
void MarkKeptBits(ChannelDatabase& db) {
    RecordTables tables{db.arrSatellite(), db.arrTransponder(), db.arrChannel()};
    for (const ListKindInfo& kind : AllListKinds()) {
        if (kind.linkWidth != 32)
            continue;
        const int sides = kind.sideStride == 0 ? 1 : kTunerCount;
        for (int index = 0; index < RecordCount(kind.table); ++index) {
            std::uint8_t* record = tables.Record(kind.table, index);
            for (int side = 0; side < sides && ReadLe32(record) != kFreeRecordWord; ++side) {
                std::uint8_t& top = record[kind.linkField + kind.sideStride * static_cast<std::size_t>(side) + 3];
                top = static_cast<std::uint8_t>((top & 0x7F) | ((kind.linkField / 8 + side) % 2 ? 0x80 : 0));
            }
        }
    }
}

int AddCopyOfFirst(ChannelDatabase& db, ListKind kind) {
    auto record = CopyOf<kChannelRecordSize>(db.ChannelOfPk(PkListOf(db, kind, 0).front()).RecordBytes());
    // An added channel joins no group: the favourite bytes run up to the presence bytes.
    std::fill(record.begin() + ChannelRecord::kFavouriteBytes, record.begin() + ChannelRecord::kPresence,
              std::uint8_t{0});
    return AddChannel(db, record);
}

struct KeptBitsCase {
    const char* name;
    std::function<int(ChannelDatabase&)> edit;
};

void PrintTo(const KeptBitsCase& c, std::ostream* out) {
    *out << c.name;
}

class KeptBits : public ::testing::TestWithParam<KeptBitsCase> {};

// The same edit on the same database with and without the bits set: afterwards they differ only in those bits.
TEST_P(KeptBits, SurviveTheEditByteForByte) {
    ChannelDatabase plain, kept;
    ASSERT_GT(MakeSampleDatabase(plain, 5, 6, 60, 300), 0);
    ASSERT_GT(MakeSampleDatabase(kept, 5, 6, 60, 300), 0);
    MarkKeptBits(kept); // after the build: the lists' own copies of the links do not have them
    const int changed = GetParam().edit(plain);
    EXPECT_GT(changed, 0);
    EXPECT_EQ(changed, GetParam().edit(kept));
    MarkKeptBits(plain);
    EXPECT_TRUE(std::ranges::equal(std::as_const(plain).SatelliteRegion(), kept.SatelliteRegion()));
    EXPECT_TRUE(std::ranges::equal(std::as_const(plain).ChannelRegion(), kept.ChannelRegion()));
    EXPECT_TRUE(VerifyLists(kept));
}

int MoveIntoTv(ChannelDatabase& db) {
    const std::vector<Pk> tv = PkListOf(db, ListKind::TvChannels, 0);
    const std::vector<Pk> radio = PkListOf(db, ListKind::RadioChannels, 0);
    const Pk moved[] = {tv[7], radio[0], radio.back(), tv.back()};
    return MoveChannels(db, ServiceType::Tv, tv[2], moved);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryEdit, KeptBits, ::testing::Values(
    KeptBitsCase{"Build", [](ChannelDatabase& db) { return db.BuildAllLists().value_or(-1); }},
    KeptBitsCase{"AddTuner1", [](ChannelDatabase& db) { return AddCopyOfFirst(db, ListKind::Tuner1Tv); }},
    KeptBitsCase{"AddTuner2", [](ChannelDatabase& db) { return AddCopyOfFirst(db, ListKind::Tuner2Radio); }},
    KeptBitsCase{"AddTransponder", [](ChannelDatabase& db) {
        return AddTransponder(db, CopyOf<kTransponderRecordSize>(db.Transponder(PksOf(db, ListKind::Transponders, 0)[2]).RecordBytes())); }},
    KeptBitsCase{"Move", MoveIntoTv},
    KeptBitsCase{"CopyTuner1To2", [](ChannelDatabase& db) { return CopyTunerChannels(db, TunerSide::First, TunerSide::Second, false); }},
    KeptBitsCase{"CopyTuner2To1", [](ChannelDatabase& db) { return CopyTunerChannels(db, TunerSide::Second, TunerSide::First, false); }},
    KeptBitsCase{"CopyClearingFirst", [](ChannelDatabase& db) { return CopyTunerChannels(db, TunerSide::Second, TunerSide::First, true); }},
    KeptBitsCase{"Merge", [](ChannelDatabase& db) { return MergeTuners(db); }},
    KeptBitsCase{"DeleteOneSide", [](ChannelDatabase& db) { return DeleteChannels(db, PkListOf(db, ListKind::Tuner2Tv, 0)); }}),
    [](const ::testing::TestParamInfo<KeptBitsCase>& testInfo) { return std::string(testInfo.param.name); });
// clang-format on

} // namespace
