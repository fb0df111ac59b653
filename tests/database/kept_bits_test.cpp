// Bit 31 of a 32-bit link field belongs to the record, not to its lists: building the lists and every edit
// keep it, on both tuner sides, whether the side is present or not.

#include "database/add_records.h"
#include "database/database_lifecycle.h"
#include "database/delete_channels.h"
#include "database/move_channels.h"
#include "database/tuner_copy.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <ostream>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

std::uint8_t* RecordBytes(ChannelDatabase& db, RecordTable table, int index) {
    switch (table) {
    case RecordTable::Satellites:
        return db.satellite(index).bytes();
    case RecordTable::Transponders:
        return db.transponder(index).bytes();
    default:
        return db.channel(index).bytes();
    }
}

// Calls `visit` with the top byte of every 32-bit link field of every used record, both sides of a channel.
void ForEachWideLinkTop(ChannelDatabase& db, const std::function<void(std::uint8_t&)>& visit) {
    for (const ListKindInfo& kind : AllListKinds()) {
        if (kind.linkWidth != 32)
            continue;
        const int sides = kind.sideStride == 0 ? 1 : kTunerCount;
        for (int index = 0; index < RecordCount(kind.table); ++index) {
            std::uint8_t* record = RecordBytes(db, kind.table, index);
            if (readLe32(record) == kFreeRecordWord)
                continue;
            for (int side = 0; side < sides; ++side)
                visit(record[kind.linkField + kind.sideStride * static_cast<std::size_t>(side) + 3]);
        }
    }
}

struct KeptBitsCase {
    const char* name;
    std::function<void(ChannelDatabase&)> edit;
};

void PrintTo(const KeptBitsCase& c, std::ostream* out) {
    *out << c.name;
}

class KeptBits : public ::testing::TestWithParam<KeptBitsCase> {};

TEST_P(KeptBits, SurviveTheEdit) {
    ChannelDatabase db;
    ASSERT_EQ(1, Init(db));
    putSatellite(db, 0, "Orbis 19.2E", SatelliteRecord::kLnbTypeUniversal, 0);
    putTransponder(db, 0, 0, 11700, kPolarisationVertical, 0);
    putTransponder(db, 1, 0, 10700, kPolarisationHorizontal, 1);
    const ChannelSpec specs[] = {
        {ServiceType::Tv, 0, true, false, 0, 0, false, 2},     {ServiceType::Tv, 0, true, true, 1, 0, true, -1},
        {ServiceType::Radio, 1, false, true, 0, 0, false, -1}, {ServiceType::Tv, 1, true, false, 2, 0, false, -1},
        {ServiceType::Radio, 0, true, false, 0, 1, false, -1},
    };
    for (int slot = 0; slot < static_cast<int>(std::size(specs)); ++slot)
        putChannel(db, slot, specs[slot]);
    ForEachWideLinkTop(db, [](std::uint8_t& top) { top |= 0x80; });
    ASSERT_GE(db.BuildAllLists(), 0);

    GetParam().edit(db);

    int fields = 0;
    ForEachWideLinkTop(db, [&](std::uint8_t& top) {
        EXPECT_NE(0, top & 0x80) << "field " << fields;
        ++fields;
    });
    EXPECT_GT(fields, 40);
    EXPECT_TRUE(verifyLists(db));
}

void AddCopyOf(ChannelDatabase& db, int slot) {
    std::array<std::uint8_t, kChannelRecordSize> record{};
    std::memcpy(record.data(), db.channel(slot).bytes(), record.size());
    ASSERT_EQ(1, AddChannel(db, record));
}

INSTANTIATE_TEST_SUITE_P(
    EveryEdit, KeptBits,
    ::testing::Values(
        KeptBitsCase{"Build", [](ChannelDatabase&) {}},
        KeptBitsCase{"Add", [](ChannelDatabase& db) { AddCopyOf(db, 1); }},
        KeptBitsCase{"Move",
                     [](ChannelDatabase& db) {
                         const int moved[] = {3, 4, ChannelPk(2, 1)};
                         EXPECT_GT(MoveChannels(db, ServiceType::Tv, 0, moved), 0);
                     }},
        KeptBitsCase{"Copy", [](ChannelDatabase& db) { EXPECT_GT(CopyTunerChannels(db, 0, 1, false), 0); }},
        KeptBitsCase{"CopyClearingFirst", [](ChannelDatabase& db) { EXPECT_GT(CopyTunerChannels(db, 1, 0, true), 0); }},
        KeptBitsCase{"Merge", [](ChannelDatabase& db) { EXPECT_GT(MergeTuners(db), 0); }},
        KeptBitsCase{"DeleteOneSide", [](ChannelDatabase& db) { EXPECT_EQ(1, DeleteChannel(db, ChannelPk(1, 0))); }}),
    [](const ::testing::TestParamInfo<KeptBitsCase>& testInfo) { return std::string(testInfo.param.name); });

} // namespace
