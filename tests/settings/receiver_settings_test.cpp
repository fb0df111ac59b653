#include "platform/bytes.h"
#include "settings/position_reset.h"
#include "settings/receiver_settings.h"
#include "settings/settings_defaults.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using Record = std::array<std::uint8_t, ReceiverSettings::kSize>;

// A record whose every byte is distinct from its neighbours, so a stray write shows.
Record Patterned() {
    Record r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return r;
}

void Put(Record& r, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
}

void PutFavNames(Record& r, const std::vector<std::string>& names) {
    for (std::size_t group = 0; group < names.size(); ++group) {
        std::memset(r.data() + 0xB5A + 16 * group, 0, 16);
        std::memcpy(r.data() + 0xB5A + 16 * group, names[group].data(), names[group].size());
    }
}

// 1 January of the year at midnight, with the MJD given and weekday 2 as the receiver writes it.
void PutNewYearClock(Record& r, std::uint32_t yearSince1900, std::uint32_t mjd) {
    const std::uint32_t words[] = {yearSince1900, 1, 1, 0, 0, 0, mjd, 2};
    for (std::size_t i = 0; i < 8; ++i)
        WriteLe32(ByteSpan(r), 0x14 + 4 * i, words[i]);
}

void ExpectSameBytes(const Record& expected, const Record& actual) {
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], actual[i]) << "offset 0x" << std::hex << i;
}

// The factory record offset by offset, independently of the accessors.
TEST(ReceiverSettingsDefaults, WholeRecordIsByteExactStoredAndReadsBackThroughTheAccessors) {
    Record expected{};
    Put(expected, 0x000, {'d', 'A', 'r', 'I', '0', '1'});
    expected[0x011] = 1;
    PutNewYearClock(expected, 105, 53371);
    Put(expected, 0x035, {24, 0, 0x12, 0x34, 3, 1}); // factory PIN 1234 as packed BCD at 0x037
    Put(expected, 0x03E, {1, 0, 0, 12, 0, 80, 1, 3, 3});
    expected[0x050] = 1;
    expected[0x065] = 2;
    Put(expected, 0x1A0, {1, 1});
    std::memset(expected.data() + 0x41C, 0xFF, 0x4A8 - 0x41C);
    Put(expected, 0xB50, {16, 16, 16});
    PutFavNames(expected, {"FAV 1", "FAV 2", "FAV 3", "FAV 4", "FAV 5", "FAV 6", "FAV 7", "FAV 8"});

    std::vector<std::uint8_t> image = MakeFreshImage();
    StorageImage storage{image};
    Record bytes;
    bytes.fill(0xA5);
    ReceiverSettings settings{bytes};
    EXPECT_EQ(static_cast<int>(ReceiverSettings::kSize), SetDefaults(settings, storage));
    ExpectSameBytes(expected, bytes);
    Record readBack{};
    EXPECT_EQ(static_cast<int>(ReceiverSettings::kSize), storage.ReadSettings(readBack));
    EXPECT_EQ(bytes, readBack);

    EXPECT_EQ("dArI01", settings.tag());
    EXPECT_EQ((std::array<std::uint8_t, 2>{0, 0}), settings.tag_version());
    EXPECT_EQ(2, settings.clock().weekday);      // kept as the receiver writes it, not the real Saturday
    EXPECT_EQ(0u, settings.last_channel_slot()); // the position reset is not part of the defaults

    std::vector<std::uint8_t> small(0x100, 0xFF);
    StorageImage smallStorage{small};
    bytes.fill(0xA5);
    EXPECT_EQ(0, SetDefaults(settings, smallStorage));
    ExpectSameBytes(expected, bytes);
}

TEST(ReceiverSettingsStartup, ChangesOnlyItsFieldsAndKeepsEveryOtherByte) {
    Record bytes = Patterned();
    Record expected = bytes;
    PutNewYearClock(expected, 125, 60676);
    expected[0x008] = 0;
    Put(expected, 0x00C, {0, 0, 0, 0, 0, 1});
    Put(expected, 0x034, {1, 24});
    Put(expected, 0x037, {0x88, 0x88, 3}); // start-up PIN 8888
    Put(expected, 0x03E, {1, 0});
    expected[0x041] = 12;
    Put(expected, 0x043, {50, 1, 4, 4});
    Put(expected, 0x04F, {1, 1});
    expected[0x052] = 0;
    expected[0x054] = 1;
    Put(expected, 0x056, {0, 0, 0, 0});
    PutFavNames(expected, {"NEWS", "MOVIE", "SPORTS", "MUSIC", "VARIETY", "CARTOON", "CULTURE", "ADULT"});

    ReceiverSettings settings{bytes};
    ApplyStartupSettings(settings, 2025);
    ExpectSameBytes(expected, bytes);

    ApplyStartupSettings(settings); // the clock's year defaults to this one
    EXPECT_EQ(CurrentLocalYear() - 1900, settings.clock().year);
}

TEST(ReceiverSettingsPositions, ResetKeepsFlagsClearsValuesAndPlacesTheCursors) {
    Record bytes = Patterned();
    const Record before = bytes;
    ReceiverSettings settings{bytes};
    ResetPositions(settings);

    Record expected = before;
    const std::size_t groups[][2] = {{0x066, 1}, {0x068, 1}, {0x06A, 64}, {0x0EA, 64}, {0x16A, 8},
                                     {0x17A, 2}, {0x17E, 2}, {0x184, 2},  {0x188, 2}}; // offset, words
    for (const auto& [offset, count] : groups) {
        WriteLe16(ByteSpan(expected), offset, 0x8000);
        for (std::size_t off = offset + 2; off < offset + 2 * count; off += 2)
            WriteLe16(ByteSpan(expected), off,
                      static_cast<std::uint16_t>((before[off] | (before[off + 1] << 8)) & 0x8000));
    }
    Put(expected, 0x18C, {0xFF, 0xFF, 0xFF, 0xFF, 63, 0, 0xDB, 0x05, 0x87, 0x13}); // 63, 1499, 4999
    WriteLe32(ByteSpan(expected), 0x19C, 0);
    ExpectSameBytes(expected, bytes);
    EXPECT_EQ(63u, settings.last_satellite_slot());
    EXPECT_EQ(1499u, settings.last_transponder_slot());
    EXPECT_EQ(4999u, settings.last_channel_slot());
}

TEST(ReceiverSettingsFields, EachAccessorOwnsItsOffset) {
    using RS = ReceiverSettings;
    struct Field {
        std::size_t offset;
        void (RS::*set)(std::uint8_t);
        std::uint8_t (RS::*get)() const;
    };
    // clang-format off
#define FIELD(offset, name) Field{offset, &RS::set_##name, &RS::name}
    // clang-format on
    const Field fields[] = {
        FIELD(0x008, power_state),      FIELD(0x00C, menu_language),     FIELD(0x00D, audio_language),
        FIELD(0x00E, audio_language_2), FIELD(0x00F, subtitle_language), FIELD(0x034, time_update),
        FIELD(0x035, gmt_offset),       FIELD(0x039, age_rating),        FIELD(0x03A, channel_lock),
        FIELD(0x03B, menu_locks),       FIELD(0x03C, ird_lock),          FIELD(0x03D, installation_lock),
        FIELD(0x03E, tv_output_type),   FIELD(0x03F, tv_screen_type),    FIELD(0x040, video_output),
        FIELD(0x041, audio_volume),     FIELD(0x042, sound_mode),        FIELD(0x043, osd_transparency),
        FIELD(0x044, volume_indicator), FIELD(0x045, info_box_timeout),  FIELD(0x046, info_box_timeout_2),
        FIELD(0x050, lnb_power),        FIELD(0x064, tuner_connection),  FIELD(0x065, pip_size)};
#undef FIELD
    for (const auto& field : fields) {
        Record bytes = Patterned();
        Record expected = bytes;
        expected[field.offset] = 0xC3;
        ReceiverSettings settings{bytes};
        (settings.*field.set)(0xC3);
        EXPECT_EQ(0xC3, (settings.*field.get)()) << "offset 0x" << std::hex << field.offset;
        ExpectSameBytes(expected, bytes);
    }
}

// Indexes past a group or the names are ignored, a long favourite name is cut to its sixteen bytes; the password is
// packed BCD of the last four digits and a damaged record's nibbles come back as stored. The clock, the cursors,
// the power state, the base position and shorter names and passwords are pinned through the defaults, the
// position reset and the STB Configuration dialog.
TEST(ReceiverSettingsFields, OutOfRangeIndexesAreIgnoredAndThePasswordIsPackedBcd) {
    Record bytes = Patterned();
    ReceiverSettings settings{bytes};
    settings.set_fav_name(7, "a name far longer than sixteen");
    EXPECT_EQ("a name far longe", settings.fav_name(7));
    EXPECT_EQ(static_cast<std::uint8_t>(0xBDA * 7 + 3), bytes[0xBDA]); // the reserved tail is untouched

    const Record before = bytes;
    settings.set_fav_name(8, "ignored");
    settings.set_position_word(settings_layout::kPosFav, 8, 0x1234);
    ExpectSameBytes(before, bytes);
    EXPECT_EQ("", settings.fav_name(8));
    EXPECT_EQ(0u, settings.position_word(settings_layout::kPosFav, 8));

    settings.set_password(98765);
    EXPECT_EQ(0x87, bytes[0x037]);
    EXPECT_EQ(0x65, bytes[0x038]);
    bytes[0x037] = 0xAF;
    EXPECT_EQ((std::array<std::uint8_t, 4>{10, 15, 6, 5}), settings.password_digits());
}

} // namespace
} // namespace vorlane::testing
