#include "database/database_image.h"
#include "database/database_lifecycle.h"
#include "database/image_conversion.h"
#include "database/settings_record.h"
#include "list_test_util.h"
#include "platform/trace.h"
#include "settings/settings_defaults.h"
#include "support/list_check.h"
#include "support/list_compare.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::string_literals;

namespace {

// Where a fresh image keeps things, counted by hand from the receiver's flash layout.
constexpr std::size_t kSectorStride = 0x10000; // physical sector s starts at (s + 1) * 0x10000
constexpr std::size_t kDataOffset = 0xA0;      // behind a sector's or a page's header
constexpr std::size_t kEeprom0Page0 = 0x8000;
constexpr std::size_t kPageStateOffset = 0x88;

// An erased channel slot: service type 3, service words 0xFFFFCFFF, languages 0x3FFFFFFF.
const std::vector<std::uint8_t> kClearedChannel = RecordOf(112, {{0x2F, "3FFFCF"}, {0x35, "CF"}, {0x38, "03"}});

std::vector<std::uint8_t> BytesOf(ConstByteSpan span) {
    return {span.begin(), span.end()};
}

} // namespace

// Init traces its buffers, names 64 satellites, leaves every transponder and channel free and puts the defaults
// into the scratch settings record, never into the held one.
TEST(Init, TracesItsBuffersAndGivesNamedSatellitesFreeTablesAndScratchDefaults) {
    ChannelDatabase db;
    ReceiverSettings held = HeldReceiverSettings(db);
    ApplyStartupSettings(held, 2024);
    const std::vector<std::uint8_t> startup = BytesOf(db.HeldSettings());
    TraceCapture capture;
    ASSERT_TRUE(Init(db));
    const std::regex expected("=================> Init\\(\\)\n"
                              "channel size=1179648, satellite size=131072\n"
                              "m_arrSatellite=0x([0-9a-f]+), m_arrTransponder=0x([0-9a-f]+), m_arrChannel=0x[0-9a-f]+\n"
                              "m_pKChannel = 0x[0-9a-f]+, size = 1179648\n"
                              "t_config_save = 0x([0-9a-f]+)\n"
                              "[^]*flash_org = 0x[0-9a-f]+\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(capture.Text(), match, expected)) << capture.Text();
    const auto satellites = static_cast<std::uint32_t>(std::stoul(match[1], nullptr, 16));
    const auto transponders = static_cast<std::uint32_t>(std::stoul(match[2], nullptr, 16));
    EXPECT_EQ(0x210Cu, transponders - satellites);
    EXPECT_EQ(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(db.ScratchSettings().data())),
              std::stoul(match[3], nullptr, 16));
    // Behind the name: LNB 10600 / 9750; three test channels (name padded to 20 bytes, frequency, symbol rate,
    // polarisation, video, audio and PCR PIDs); position, motor, LNB type and switches.
    const std::string nul10(10, '\0');
    const std::string shared = "\x68\x29\x16\x26"s + "PRE_CHAN_1" + nul10 +
                               "\x88\x0E\x44\x11\x01\0\xA0\0\x50\0\xA0\0"s + "PRE_CHAN_2" + nul10 +
                               "\xA0\x0F\xDD\x6D\x01\0\x01\x09\x02\x09\0\x09"s + "PRE_CHAN_3" + nul10 +
                               "\xD7\x0E\0\x16\x01\0\xC8\0\x18\x01\xFE\x1F"s + "\0\0\0\xFF\0\0\0\0\0\0\0\0"s;
    for (int i = 0; i < kSatelliteCount; ++i) {
        char name[17] = {};
        std::snprintf(name, sizeof name, "SAT_%02d", i + 1);
        const std::string listKey = {static_cast<char>(i), '\0', '\0', '\xFF'};
        EXPECT_EQ(std::string(name, 16) + shared + listKey,
                  std::string(reinterpret_cast<const char*>(db.Satellite(i).RecordBytes()), kSatelliteRecordSize));
    }
    EXPECT_EQ(kSatelliteCount, db.BuildAllLists()) << "only the satellites are used";
    // Frequency, symbol rate, TS id 0; tuning word 0x14; the satellite link keeps bits 30-31; list link 0.
    const auto transponder = RecordOf(48, {{0x10, "000000000000"}, {0x18, "14000000000000C00000"}, {0x28, "00"}});
    for (int t = 0; t < kTransponderCount; ++t)
        ASSERT_EQ(transponder, BytesAt(db.Transponder(t).RecordBytes(), kTransponderRecordSize)) << t;
    // PIDs (not the PMT PID), languages and service words 0, service type 3, the links keep their bits 30-31.
    const auto channel = RecordOf(112, {{0x18, "000000000000000000000000000000000000"},
                                        {0x2C, "00000000000000000000000003"},
                                        {0x3C, "0000008000000080000000C0000000C0000000C0000000C0000000C0000000C0"},
                                        {0x5C, "000000000000000000000000000000000000"}});
    for (int c = 0; c < kChannelCount; ++c)
        ASSERT_EQ(channel, BytesAt(db.Channel(c).RecordBytes(), kChannelRecordSize)) << c;
    EXPECT_EQ(kClearedChannel, BytesAt(db.arrChannel() + kChannelRecordSize * 7000, kChannelRecordSize))
        << "the slots behind the table keep the cleared state";
    EXPECT_TRUE(VerifyLists(db));

    ASSERT_TRUE(db.ScratchSettingsCurrent());
    const ReceiverSettings scratch = CurrentReceiverSettings(db);
    EXPECT_EQ("dArI01", scratch.tag());
    EXPECT_EQ(63, scratch.last_satellite_slot());
    EXPECT_EQ(1499, scratch.last_transponder_slot());
    EXPECT_EQ(4999, scratch.last_channel_slot());
    EXPECT_EQ(0x8000, ReadLe16(db.ScratchSettings().data() + 0x6A));
    EXPECT_EQ(0xFFFF, ReadLe16(db.ScratchSettings().data() + 0x18C));
    EXPECT_EQ(startup, BytesOf(db.HeldSettings())) << "the held record is not touched";

    capture.Clear();
    Deinit(db);
    EXPECT_EQ("=================> Deinit()\n", capture.Text());
}

TEST(Clear, EmptiesTablesPathModifiedFlagAndFavouriteGroups) {
    ChannelDatabase db;
    MakeSampleDatabase(db, 3, 4, 20, 60);
    db.SetCurrentPath("/tmp/x.bin");
    db.SetModified(true);
    db.Favourites().Block(2)[FavouriteGroups::kTvCountWord] = 17;
    db.Favourites().Block(2)[FavouriteGroups::kFirstMemberWord] = 44;
    Clear(db);
    EXPECT_TRUE(db.CurrentPath().empty());
    EXPECT_FALSE(db.Modified());
    for (int g = 0; g < FavouriteGroups::kGroupCount; ++g) {
        const auto block = db.Favourites().Block(g);
        EXPECT_EQ(g, block[0]);
        EXPECT_EQ(0, block[FavouriteGroups::kTvCountWord]);
        EXPECT_EQ(0, block[FavouriteGroups::kRadioCountWord]);
        EXPECT_TRUE(std::all_of(block.begin() + 3, block.end(), [](std::int32_t w) { return w == -1; }));
    }
    // Default names, LNB and test channels (symbol rate 2000, PIDs 32); erased transponders and channels.
    EXPECT_EQ("Satellite64", db.Satellite(63).Name());
    EXPECT_EQ(RecordOf(132, {{0x00, "536174656C6C6974653036000000000068291626"},
                             {0x2A, "D007FFFF200020002000"},
                             {0x4A, "D007FFFF200020002000"},
                             {0x6A, "D007FFFF200020002000"},
                             {0x77, "00"}}),
              BytesAt(db.Satellite(5).RecordBytes(), kSatelliteRecordSize));
    EXPECT_EQ(RecordOf(48, {{0x18, "F7"}}), BytesAt(db.Transponder(9).RecordBytes(), kTransponderRecordSize));
    for (int slot : {0, 4999, 5000, 9999})
        EXPECT_EQ(kClearedChannel,
                  BytesAt(db.arrChannel() + kChannelRecordSize * static_cast<std::size_t>(slot), kChannelRecordSize))
            << slot;
}

TEST(LoadFromImage, AllSectorsAndPagesInvalidGiveFreeTablesAndDefaultSettings) {
    ChannelDatabase source;
    MakeSampleDatabase(source, 5, 6, 40, 200);
    std::vector<std::uint8_t> image = StoreIntoImage(source);
    for (int s = 0; s < 12; ++s)
        image[(s + 1) * kSectorStride + kDataOffset + 3] ^= 0x5A; // checksum no longer matches
    for (std::size_t page = 0; page < 0x10000; page += 0x1000)
        image[page + kDataOffset] ^= 0x5A;

    ChannelDatabase db;
    MakeSampleDatabase(db, 9, 6, 40, 200);
    HeldReceiverSettings(db).set_gmt_offset(40);
    ASSERT_TRUE(LoadFromImage(db, image));
    EXPECT_FALSE(db.ScratchSettingsCurrent());
    std::array<std::uint8_t, ReceiverSettings::kSize> factory{};
    ReceiverSettings defaults(factory);
    FillDefaults(defaults);
    EXPECT_EQ(BytesOf(factory), BytesOf(db.HeldSettings()));
    EXPECT_EQ(0, db.BuildAllLists()) << "no used record at all";
    EXPECT_TRUE(
        std::all_of(db.ChannelRegion().begin(), db.ChannelRegion().end(), [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(0xAABBCCFFu, ReadLe32(image.data() + kEeprom0Page0 + kPageStateOffset))
        << "the defaults were written into the image";
}

TEST(StoreIntoImage, FreshImageHoldsRegionsInSectors0To10AndOneSettingsPageAndSortedLists) {
    ChannelDatabase db;
    MakeSampleDatabase(db, 6, 8, 150, 800);
    const std::vector<std::uint8_t> image = StoreIntoImage(db);
    ASSERT_EQ(0xD0000u, image.size());
    EXPECT_EQ(0xCA000u, MakeScratchImage(0).size()); // the other model's flash
    EXPECT_TRUE(std::ranges::all_of(MakeScratchImage(1), [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(0, std::memcmp(image.data() + kSectorStride + kDataOffset, db.arrSatellite(), 0xFF60));
    EXPECT_EQ(0, std::memcmp(image.data() + 3 * kSectorStride + kDataOffset, db.arrChannel(), 0xFF60));
    EXPECT_TRUE(std::all_of(image.begin() + 12 * kSectorStride, image.end(), [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(0xAABBCCFFu, ReadLe32(image.data() + kEeprom0Page0 + kPageStateOffset));
    EXPECT_EQ(0, std::memcmp(image.data() + kEeprom0Page0 + kDataOffset, db.HeldSettings().data(), 3196));
    // Storing sorts the lists by satellite, transponder and scrambling by the main list's keys.
    for (auto kind = ListKind::TvByScrambling; kind <= ListKind::DataByTransponder;
         kind = static_cast<ListKind>(static_cast<int>(kind) + 1))
        for (int i = 0; i < db.Lists().HeadCount(kind); ++i) {
            std::vector<std::pair<TunerSide, unsigned>> order; // tuner side, then main-list key
            for (const Pk pk : PkListOf(db, kind, i))
                order.emplace_back(pk.Side(), db.ChannelOfPk(pk).MainLink(pk.Side()).Key());
            EXPECT_TRUE(std::ranges::adjacent_find(order, std::greater_equal<>()) == order.end())
                << "kind " << static_cast<int>(kind) << " head " << i;
        }
}

TEST(StoreIntoImage, NewDatabaseAfterOpeningAFileStoresTheFilesSettingsRecord) {
    ChannelDatabase source;
    MakeSampleDatabase(source, 8, 4, 30, 100);
    ReceiverSettings record = HeldReceiverSettings(source);
    ApplyStartupSettings(record, 2023);
    record.set_gmt_offset(31);
    const std::vector<std::uint8_t> fileRecord = BytesOf(source.HeldSettings());
    source.Satellite(3).SetName("ABCDEFGHIJKLMNOP");

    ChannelDatabase db;
    OpenImage(db, StoreIntoImage(source));
    ASSERT_EQ(fileRecord, BytesOf(db.HeldSettings()));
    EXPECT_EQ(31, HeldReceiverSettings(db).gmt_offset());
    EXPECT_EQ("ABCDEFGHIJKLMNO", db.Satellite(3).Name()) << "loading cuts names to 15 characters";

    // File > New: Clear, Deinit, Init.
    Clear(db);
    Deinit(db);
    Init(db);
    EXPECT_EQ(kDefaultsPin / 1000, CurrentReceiverSettings(db).password_digits()[0]) << "defaults in the scratch";
    const std::vector<std::uint8_t> image = StoreIntoImage(db);
    EXPECT_FALSE(db.ScratchSettingsCurrent());
    EXPECT_EQ(0, std::memcmp(image.data() + kEeprom0Page0 + kDataOffset, fileRecord.data(), fileRecord.size()));

    ChannelDatabase reopened;
    OpenImage(reopened, image);
    EXPECT_EQ(kSatelliteCount, reopened.BuildAllLists()) << "an empty new database";
}

class RoundTrip : public ::testing::TestWithParam<SampleOptions> {};

TEST_P(RoundTrip, LoadedDatabaseHasTheSameTablesAndLists) {
    ChannelDatabase db;
    ASSERT_GE(MakeSampleDatabase(db, GetParam()), 0);
    const std::vector<std::uint8_t> image = StoreIntoImage(db);
    ASSERT_TRUE(VerifyLists(db)) << "storing keeps the lists consistent";

    EXPECT_TRUE(image == StoreIntoImage(db)) << "storing twice gives the same image";

    ChannelDatabase loaded;
    OpenImage(loaded, image);
    EXPECT_TRUE(image == StoreIntoImage(loaded)) << "saved, opened and saved again: the same file";
    EXPECT_TRUE(SameLists(db, loaded));
    EXPECT_TRUE(BytesOf(db.SatelliteRegion()) == BytesOf(loaded.SatelliteRegion()));
    EXPECT_TRUE(BytesOf(db.ChannelRegion()) == BytesOf(loaded.ChannelRegion()));
    EXPECT_EQ(BytesOf(db.HeldSettings()), BytesOf(loaded.HeldSettings()));
}

INSTANTIATE_TEST_SUITE_P(Samples, RoundTrip,
                         ::testing::Values(SampleOptions{1, 1, 1, 1, false}, SampleOptions{2, 8, 120, 600, false},
                                           SampleOptions{3, 64, 1500, 3000, false}, FullSampleOptions(4)));
