#include "settings/position_reset.h"
#include "settings/receiver_settings.h"
#include "settings/settings_defaults.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace vorlane;

namespace {

using Record = std::array<std::uint8_t, ReceiverSettings::kSize>;

// A record whose every byte is distinct from its neighbours, so a stray write shows.
Record Patterned() {
    Record r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return r;
}

void PutLe16(Record& r, std::size_t off, std::uint16_t v) {
    r[off] = static_cast<std::uint8_t>(v);
    r[off + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(Record& r, std::size_t off, std::uint32_t v) {
    PutLe16(r, off, static_cast<std::uint16_t>(v));
    PutLe16(r, off + 2, static_cast<std::uint16_t>(v >> 16));
}

void PutName(Record& r, std::size_t off, const char* name) {
    std::memset(r.data() + off, 0, 16);
    std::memcpy(r.data() + off, name, std::strlen(name));
}

void PutNewYearClock(Record& r, std::uint32_t yearSince1900, std::uint32_t mjd) {
    const std::uint32_t words[] = {yearSince1900, 1, 1, 0, 0, 0, mjd, 2};
    for (std::size_t i = 0; i < 8; ++i)
        PutLe32(r, 0x14 + 4 * i, words[i]);
}

void ExpectSameBytes(const Record& expected, const Record& actual) {
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], actual[i]) << "offset 0x" << std::hex << i;
}

} // namespace

// The factory record is written out here offset by offset, independently of the accessors.
TEST(ReceiverSettingsDefaults, WholeRecordIsByteExact) {
    Record expected{};
    std::memcpy(expected.data(), "dArI01", 6);
    expected[0x011] = 1;
    PutNewYearClock(expected, 105, 53371);
    expected[0x035] = 24;
    expected[0x037] = 0x12; // factory PIN 1234 as packed BCD
    expected[0x038] = 0x34;
    expected[0x039] = 3;
    expected[0x03A] = 1;
    expected[0x03E] = 1;
    expected[0x041] = 12;
    expected[0x043] = 80;
    expected[0x044] = 1;
    expected[0x045] = 3;
    expected[0x046] = 3;
    expected[0x050] = 1;
    expected[0x065] = 2;
    expected[0x1A0] = 1;
    expected[0x1A1] = 1;
    std::memset(expected.data() + 0x41C, 0xFF, 0x4A8 - 0x41C);
    expected[0xB50] = expected[0xB51] = expected[0xB52] = 16;
    for (int group = 1; group <= 8; ++group)
        PutName(expected, 0xB5A + 16 * (group - 1), ("FAV " + std::to_string(group)).c_str());

    Record bytes;
    bytes.fill(0xA5);
    ReceiverSettings settings{bytes};
    FillDefaults(settings);
    ExpectSameBytes(expected, bytes);
}

TEST(ReceiverSettingsDefaults, ReadBackThroughTheAccessors) {
    Record bytes{};
    ReceiverSettings settings{bytes};
    FillDefaults(settings);
    EXPECT_EQ("dArI01", settings.tag());
    EXPECT_EQ((std::array<std::uint8_t, 2>{0, 0}), settings.tag_version());
    EXPECT_TRUE(settings.power_on());
    EXPECT_EQ(53371, settings.clock().mjd);
    EXPECT_EQ(2, settings.clock().weekday); // kept as the receiver writes it, not the real Saturday
    EXPECT_EQ((std::array<std::uint8_t, 4>{1, 2, 3, 4}), settings.password_digits());
    EXPECT_EQ("FAV 8", settings.fav_name(7));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 0xBCA, "FAV 8", 6));
    EXPECT_EQ(0u, settings.last_channel_slot()); // the position reset is not part of the defaults
}

TEST(ReceiverSettingsStartup, ChangesOnlyItsFieldsAndKeepsEveryOtherByte) {
    Record bytes = Patterned();
    Record expected = bytes;
    PutNewYearClock(expected, 125, 60676);
    for (std::size_t off : {0x00C, 0x00D, 0x00E, 0x00F, 0x010})
        expected[off] = 0;
    expected[0x011] = 1;
    expected[0x008] = 0;
    expected[0x034] = 1;
    expected[0x035] = 24;
    expected[0x037] = 0x88; // start-up PIN 8888
    expected[0x038] = 0x88;
    expected[0x039] = 3;
    expected[0x03E] = 1;
    expected[0x03F] = 0;
    expected[0x041] = 12;
    expected[0x043] = 50;
    expected[0x044] = 1;
    expected[0x045] = 4;
    expected[0x046] = 4;
    expected[0x04F] = 1;
    expected[0x050] = 1;
    expected[0x052] = 0;
    expected[0x054] = 1;
    PutLe16(expected, 0x056, 0);
    PutLe16(expected, 0x058, 0);
    const char* names[] = {"NEWS", "MOVIE", "SPORTS", "MUSIC", "VARIETY", "CARTOON", "CULTURE", "ADULT"};
    for (std::size_t group = 0; group < 8; ++group)
        PutName(expected, 0xB5A + 16 * group, names[group]);

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
    const struct {
        std::size_t offset;
        std::size_t count;
    } groups[] = {{0x066, 1}, {0x068, 1}, {0x06A, 64}, {0x0EA, 64}, {0x16A, 8},
                  {0x17A, 2}, {0x17E, 2}, {0x184, 2},  {0x188, 2}};
    for (const auto& g : groups) {
        PutLe16(expected, g.offset, 0x8000);
        for (std::size_t i = 1; i < g.count; ++i) {
            const std::size_t off = g.offset + 2 * i;
            PutLe16(expected, off, static_cast<std::uint16_t>((before[off] | (before[off + 1] << 8)) & 0x8000));
        }
    }
    PutLe16(expected, 0x18C, 0xFFFF);
    PutLe16(expected, 0x18E, 0xFFFF);
    PutLe16(expected, 0x190, 63);
    PutLe16(expected, 0x192, 1499);
    PutLe16(expected, 0x194, 4999);
    PutLe32(expected, 0x19C, 0);
    ExpectSameBytes(expected, bytes);

    EXPECT_EQ(63u, settings.last_satellite_slot());
    EXPECT_EQ(1499u, settings.last_transponder_slot());
    EXPECT_EQ(4999u, settings.last_channel_slot());
}

TEST(ReceiverSettingsFields, EachAccessorOwnsItsOffset) {
    struct Field {
        std::size_t offset;
        std::function<void(ReceiverSettings&, std::uint8_t)> set;
        std::function<std::uint8_t(const ReceiverSettings&)> get;
    };
    using RS = ReceiverSettings;
    const std::vector<Field> fields = {
        {0x008, &RS::set_power_state, &RS::power_state},
        {0x00C, &RS::set_menu_language, &RS::menu_language},
        {0x00D, &RS::set_audio_language, &RS::audio_language},
        {0x00E, &RS::set_audio_language_2, &RS::audio_language_2},
        {0x00F, &RS::set_subtitle_language, &RS::subtitle_language},
        {0x034, &RS::set_time_update, &RS::time_update},
        {0x035, &RS::set_gmt_offset, &RS::gmt_offset},
        {0x039, &RS::set_age_rating, &RS::age_rating},
        {0x03A, &RS::set_channel_lock, &RS::channel_lock},
        {0x03B, &RS::set_menu_locks, &RS::menu_locks},
        {0x03C, &RS::set_ird_lock, &RS::ird_lock},
        {0x03D, &RS::set_installation_lock, &RS::installation_lock},
        {0x03E, &RS::set_tv_output_type, &RS::tv_output_type},
        {0x03F, &RS::set_tv_screen_type, &RS::tv_screen_type},
        {0x040, &RS::set_video_output, &RS::video_output},
        {0x041, &RS::set_audio_volume, &RS::audio_volume},
        {0x042, &RS::set_sound_mode, &RS::sound_mode},
        {0x043, &RS::set_osd_transparency, &RS::osd_transparency},
        {0x044, &RS::set_volume_indicator, &RS::volume_indicator},
        {0x045, &RS::set_info_box_timeout, &RS::info_box_timeout},
        {0x046, &RS::set_info_box_timeout_2, &RS::info_box_timeout_2},
        {0x050, &RS::set_lnb_power, &RS::lnb_power},
        {0x064, &RS::set_tuner_connection, &RS::tuner_connection},
        {0x065, &RS::set_pip_size, &RS::pip_size},
    };
    for (const Field& field : fields) {
        Record bytes = Patterned();
        Record expected = bytes;
        expected[field.offset] = 0xC3;
        ReceiverSettings settings{bytes};
        field.set(settings, 0xC3);
        EXPECT_EQ(0xC3, field.get(settings)) << "offset 0x" << std::hex << field.offset;
        ExpectSameBytes(expected, bytes);
    }
}

TEST(ReceiverSettingsFields, SignedPositionsClockAndCursorsAreLittleEndian) {
    Record bytes{};
    ReceiverSettings settings{bytes};
    settings.set_base_latitude(-515);
    settings.set_base_longitude(192);
    EXPECT_EQ(0xFD, bytes[0x058]);
    EXPECT_EQ(0xFD, bytes[0x059]);
    EXPECT_EQ(-515, settings.base_latitude());
    EXPECT_EQ(0xC0, bytes[0x056]);
    EXPECT_EQ(192, settings.base_longitude());

    settings.set_last_transponder_slot(0x0102);
    EXPECT_EQ(0x02, bytes[0x192]);
    EXPECT_EQ(0x01, bytes[0x193]);

    const ReceiverTime time{124, 2, 29, 23, 30, 5, 60369, 4};
    settings.set_clock(time);
    EXPECT_EQ(124, bytes[0x014]);
    EXPECT_EQ(4, bytes[0x030]);
    EXPECT_EQ(time, settings.clock());

    settings.set_power_state(0x07);
    EXPECT_FALSE(settings.power_on()); // any non-zero state reads as "Off"

    EXPECT_EQ(0u, settings.position_word(settings_layout::kPosFav, 8));
    settings.set_position_word(settings_layout::kPosFav, 8, 0x1234); // past the group: ignored
    EXPECT_EQ(0, bytes[0x17A]);
}

TEST(ReceiverSettingsFields, PasswordIsPackedBcdOfTheLastFourDigits) {
    Record bytes{};
    ReceiverSettings settings{bytes};
    settings.set_password(1234);
    EXPECT_EQ(0x12, bytes[0x037]);
    EXPECT_EQ(0x34, bytes[0x038]);
    settings.set_password(42); // two digits typed: two leading zeros
    EXPECT_EQ(0x00, bytes[0x037]);
    EXPECT_EQ(0x42, bytes[0x038]);
    EXPECT_EQ((std::array<std::uint8_t, 4>{0, 0, 4, 2}), settings.password_digits());
    settings.set_password(98765);
    EXPECT_EQ((std::array<std::uint8_t, 4>{8, 7, 6, 5}), settings.password_digits());
    bytes[0x037] = 0xAF; // damaged record: nibbles come back as stored
    EXPECT_EQ((std::array<std::uint8_t, 4>{10, 15, 6, 5}), settings.password_digits());
}

TEST(ReceiverSettingsFields, FavouriteNamesFillSixteenBytesWithoutSpilling) {
    Record bytes = Patterned();
    ReceiverSettings settings{bytes};
    settings.set_fav_name(1, "Sixteen chars!!!");
    settings.set_fav_name(2, "Short");
    EXPECT_EQ("Sixteen chars!!!", settings.fav_name(1));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 0xB6A, "Sixteen chars!!!Short", 21));
    for (std::size_t i = 0xB7A + 5; i < 0xB8A; ++i)
        EXPECT_EQ(0, bytes[i]) << "offset 0x" << std::hex << i;

    settings.set_fav_name(7, "a name far longer than sixteen");
    EXPECT_EQ("a name far longe", settings.fav_name(7));
    EXPECT_EQ(static_cast<std::uint8_t>(0xBDA * 7 + 3), bytes[0xBDA]); // the reserved tail is untouched

    const Record before = bytes;
    settings.set_fav_name(8, "ignored");
    ExpectSameBytes(before, bytes);
    EXPECT_EQ("", settings.fav_name(8));
}
