#include "settings/settings_defaults.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace vorlane {

namespace L = settings_layout;

namespace {

constexpr int kCalendarYearOfZero = 1900;
constexpr std::uint8_t kGmtOffsetUtc = 24;
constexpr std::uint8_t kAgeRatingNone = 3;
constexpr std::uint8_t kTvOutputPal = 1;
constexpr std::uint8_t kPipSizeMedium = 2;
constexpr std::uint8_t kAudioVolume = 12;
constexpr std::uint8_t kPrivateLevel = 16;
// The receiver's start-of-year clock carries weekday 2 whatever day New Year falls on.
constexpr std::int32_t kNewYearWeekday = 2;

constexpr std::array<std::string_view, L::kFavouriteGroupCount> kStartupFavouriteNames = {
    "NEWS", "MOVIE", "SPORTS", "MUSIC", "VARIETY", "CARTOON", "CULTURE", "ADULT"};

ReceiverTime NewYearMidnight(std::int32_t yearSince1900) {
    ReceiverTime time;
    time.year = yearSince1900;
    time.month = 1;
    time.day = 1;
    time.weekday = kNewYearWeekday;
    date_to_mjd(time);
    return time;
}

void SetLanguagesToFirst(ReceiverSettings& settings) {
    settings.set_menu_language(0);
    settings.set_audio_language(0);
    settings.set_audio_language_2(0);
    settings.set_subtitle_language(0);
}

void SetFactoryGeneralFields(ReceiverSettings& settings) {
    auto bytes = settings.bytes();
    settings.set_power_state(kPowerStateOn);
    settings.set_audio_volume(kAudioVolume);
    settings.set_lnb_power(1);
    settings.set_gmt_offset(kGmtOffsetUtc);
    settings.set_time_update(0);
    settings.set_password(kDefaultsPin);
    settings.set_tv_screen_type(0);
    settings.set_video_output(0);
    settings.set_tv_output_type(kTvOutputPal);
    settings.set_installation_lock(0);
    settings.set_ird_lock(0);
    settings.set_channel_lock(1);
    SetLanguagesToFirst(settings);
    bytes[L::kReserved011] = 1;
    settings.set_age_rating(kAgeRatingNone);
    settings.set_sound_mode(0);
    settings.set_volume_indicator(1);
    settings.set_info_box_timeout(3);
    settings.set_info_box_timeout_2(3);
    settings.set_pip_size(kPipSizeMedium);
    settings.set_osd_transparency(80);
}

void SetPrivateDefaults(ReceiverSettings& settings) {
    auto bytes = settings.bytes();
    bytes[L::kPrivateFlagA] = 1;
    bytes[L::kPrivateFlagB] = 1;
    std::ranges::fill(bytes.subspan(L::kBlockAEntries, L::kBlockAEntriesLength), std::uint8_t{0xFF});
    std::ranges::fill(bytes.subspan(L::kPrivateLevels, L::kPrivateLevelsLength), kPrivateLevel);
}

void SetNumberedFavouriteNames(ReceiverSettings& settings) {
    for (std::size_t group = 0; group < L::kFavouriteGroupCount; ++group) {
        char name[L::kFavNameLength + 1];
        std::snprintf(name, sizeof name, "FAV %d", static_cast<int>(group + 1));
        settings.set_fav_name(group, name);
    }
}

} // namespace

void FillDefaults(ReceiverSettings& settings) {
    auto bytes = settings.bytes();
    std::ranges::fill(bytes, std::uint8_t{0});
    std::ranges::copy(std::string_view{"dArI01"}, bytes.begin() + L::kTag);
    bytes[L::kTagVersion] = 0;
    bytes[L::kTagVersion + 1] = 0;
    SetFactoryGeneralFields(settings);
    settings.set_clock(NewYearMidnight(2005 - kCalendarYearOfZero));
    SetPrivateDefaults(settings);
    SetNumberedFavouriteNames(settings);
}

int CurrentLocalYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + kCalendarYearOfZero;
}

void ApplyStartupSettings(ReceiverSettings& settings, int localYear) {
    auto bytes = settings.bytes();
    settings.set_clock(NewYearMidnight(localYear - kCalendarYearOfZero));

    SetLanguagesToFirst(settings);
    bytes[L::kReserved010] = 0;
    bytes[L::kReserved011] = 1;

    settings.set_power_state(kPowerStateOn);
    settings.set_time_update(1);
    settings.set_gmt_offset(kGmtOffsetUtc);
    settings.set_password(kStartupPin);
    settings.set_age_rating(kAgeRatingNone);
    settings.set_tv_output_type(kTvOutputPal);
    settings.set_tv_screen_type(0);
    settings.set_audio_volume(kAudioVolume);
    settings.set_osd_transparency(50);
    settings.set_volume_indicator(1);
    settings.set_info_box_timeout(4);
    settings.set_info_box_timeout_2(4);
    bytes[L::kReserved04F] = 1;
    settings.set_lnb_power(1);
    bytes[L::kReserved052] = 0;
    bytes[L::kReserved054] = 1;
    settings.set_base_longitude(0);
    settings.set_base_latitude(0);

    for (std::size_t group = 0; group < L::kFavouriteGroupCount; ++group)
        settings.set_fav_name(group, kStartupFavouriteNames[group]);
}

} // namespace vorlane
