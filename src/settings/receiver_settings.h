#pragma once
// ReceiverSettings (t_config_save): named access to the receiver's 3196-byte settings record.
// It is a view: the bytes belong to whoever holds the record (the channel database) and every
// accessor reads or writes them in place, so unknown bytes travel through untouched.

#include "platform/bytes.h"
#include "settings/receiver_settings_layout.h"
#include "settings/receiver_time.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlane {

inline constexpr std::uint8_t kPowerStateOn = 0;
inline constexpr std::uint8_t kPowerStateOff = 0x52;

inline constexpr std::uint8_t kMenuLockLanguage = 0x01;
inline constexpr std::uint8_t kMenuLockTime = 0x02;
inline constexpr std::uint8_t kMenuLockAudioVideo = 0x04;
inline constexpr std::uint8_t kMenuLockEditChannels = 0x08;
inline constexpr std::uint8_t kMenuLockEditFavourites = 0x10;

inline constexpr std::size_t kPasswordDigits = 4;

class ReceiverSettings {
public:
    static constexpr std::size_t kSize = settings_layout::kRecordSize;
    using Bytes = std::span<std::uint8_t, kSize>;
    using PositionGroup = settings_layout::PositionGroup;

    explicit ReceiverSettings(Bytes bytes) : m_bytes(bytes) {}

    // A const view hands out read-only bytes.
    Bytes bytes() { return m_bytes; }
    std::span<const std::uint8_t, kSize> bytes() const { return m_bytes; }

    std::string_view tag() const;
    std::array<std::uint8_t, 2> tag_version() const;

    std::uint8_t power_state() const { return u8(settings_layout::kPowerState); }
    void set_power_state(std::uint8_t v) { setU8(settings_layout::kPowerState, v); }
    // Any non-zero state reads as "Off".
    bool power_on() const { return power_state() == kPowerStateOn; }

    std::uint8_t menu_language() const { return u8(settings_layout::kMenuLanguage); }
    void set_menu_language(std::uint8_t v) { setU8(settings_layout::kMenuLanguage, v); }
    std::uint8_t audio_language() const { return u8(settings_layout::kAudioLanguage); }
    void set_audio_language(std::uint8_t v) { setU8(settings_layout::kAudioLanguage, v); }
    std::uint8_t audio_language_2() const { return u8(settings_layout::kAudioLanguage2); }
    void set_audio_language_2(std::uint8_t v) { setU8(settings_layout::kAudioLanguage2, v); }
    std::uint8_t subtitle_language() const { return u8(settings_layout::kSubtitleLanguage); }
    void set_subtitle_language(std::uint8_t v) { setU8(settings_layout::kSubtitleLanguage, v); }

    // The receiver's clock, in UTC.
    ReceiverTime clock() const;
    void set_clock(const ReceiverTime& time);

    std::uint8_t time_update() const { return u8(settings_layout::kTimeUpdate); }
    void set_time_update(std::uint8_t v) { setU8(settings_layout::kTimeUpdate, v); }
    // Index 0..48; the zone is (index - 24) x 30 minutes from UTC.
    std::uint8_t gmt_offset() const { return u8(settings_layout::kGmtOffset); }
    void set_gmt_offset(std::uint8_t v) { setU8(settings_layout::kGmtOffset, v); }

    // The four stored nibbles, first digit first (a damaged record may hold nibbles above 9).
    std::array<std::uint8_t, kPasswordDigits> password_digits() const;
    // Stores the last four decimal digits of value.
    void set_password(unsigned value);

    std::uint8_t age_rating() const { return u8(settings_layout::kAgeRating); }
    void set_age_rating(std::uint8_t v) { setU8(settings_layout::kAgeRating, v); }
    std::uint8_t channel_lock() const { return u8(settings_layout::kChannelLock); }
    void set_channel_lock(std::uint8_t v) { setU8(settings_layout::kChannelLock, v); }
    // kMenuLock* bits.
    std::uint8_t menu_locks() const { return u8(settings_layout::kMenuLocks); }
    void set_menu_locks(std::uint8_t v) { setU8(settings_layout::kMenuLocks, v); }
    std::uint8_t ird_lock() const { return u8(settings_layout::kIrdLock); }
    void set_ird_lock(std::uint8_t v) { setU8(settings_layout::kIrdLock, v); }
    std::uint8_t installation_lock() const { return u8(settings_layout::kInstallationLock); }
    void set_installation_lock(std::uint8_t v) { setU8(settings_layout::kInstallationLock, v); }

    std::uint8_t tv_output_type() const { return u8(settings_layout::kTvOutputType); }
    void set_tv_output_type(std::uint8_t v) { setU8(settings_layout::kTvOutputType, v); }
    std::uint8_t tv_screen_type() const { return u8(settings_layout::kTvScreenType); }
    void set_tv_screen_type(std::uint8_t v) { setU8(settings_layout::kTvScreenType, v); }
    std::uint8_t video_output() const { return u8(settings_layout::kVideoOutput); }
    void set_video_output(std::uint8_t v) { setU8(settings_layout::kVideoOutput, v); }
    std::uint8_t audio_volume() const { return u8(settings_layout::kAudioVolume); }
    void set_audio_volume(std::uint8_t v) { setU8(settings_layout::kAudioVolume, v); }
    std::uint8_t sound_mode() const { return u8(settings_layout::kSoundMode); }
    void set_sound_mode(std::uint8_t v) { setU8(settings_layout::kSoundMode, v); }

    std::uint8_t osd_transparency() const { return u8(settings_layout::kOsdTransparency); }
    void set_osd_transparency(std::uint8_t v) { setU8(settings_layout::kOsdTransparency, v); }
    std::uint8_t volume_indicator() const { return u8(settings_layout::kVolumeIndicator); }
    void set_volume_indicator(std::uint8_t v) { setU8(settings_layout::kVolumeIndicator, v); }
    std::uint8_t info_box_timeout() const { return u8(settings_layout::kInfoBoxTimeout); }
    void set_info_box_timeout(std::uint8_t v) { setU8(settings_layout::kInfoBoxTimeout, v); }
    std::uint8_t info_box_timeout_2() const { return u8(settings_layout::kInfoBoxTimeout2); }
    void set_info_box_timeout_2(std::uint8_t v) { setU8(settings_layout::kInfoBoxTimeout2, v); }
    std::uint8_t pip_size() const { return u8(settings_layout::kPipSize); }
    void set_pip_size(std::uint8_t v) { setU8(settings_layout::kPipSize, v); }

    std::uint8_t lnb_power() const { return u8(settings_layout::kLnbPower); }
    void set_lnb_power(std::uint8_t v) { setU8(settings_layout::kLnbPower, v); }
    std::uint8_t tuner_connection() const { return u8(settings_layout::kTunerConnection); }
    void set_tuner_connection(std::uint8_t v) { setU8(settings_layout::kTunerConnection, v); }

    // Tenths of a degree; negative is West / South.
    std::int16_t base_longitude() const { return s16(settings_layout::kBaseLongitude); }
    void set_base_longitude(std::int16_t v) { setS16(settings_layout::kBaseLongitude, v); }
    std::int16_t base_latitude() const { return s16(settings_layout::kBaseLatitude); }
    void set_base_latitude(std::int16_t v) { setS16(settings_layout::kBaseLatitude, v); }

    // Position words of a group; an index outside the group reads 0 and writes nothing.
    std::uint16_t position_word(PositionGroup group, std::size_t index) const;
    void set_position_word(PositionGroup group, std::size_t index, std::uint16_t v);
    std::uint16_t pos_end_a() const { return u16(settings_layout::kPosEndA); }
    void set_pos_end_a(std::uint16_t v) { setU16(settings_layout::kPosEndA, v); }
    std::uint16_t pos_end_b() const { return u16(settings_layout::kPosEndB); }
    void set_pos_end_b(std::uint16_t v) { setU16(settings_layout::kPosEndB, v); }
    std::uint32_t pos_word() const { return ReadLe32(m_bytes, settings_layout::kPosWord); }
    void set_pos_word(std::uint32_t v) { WriteLe32(m_bytes, settings_layout::kPosWord, v); }

    // Slot-allocation cursors: the slot handed out last in each table.
    std::uint16_t last_satellite_slot() const { return u16(settings_layout::kLastSatelliteSlot); }
    void set_last_satellite_slot(std::uint16_t v) { setU16(settings_layout::kLastSatelliteSlot, v); }
    std::uint16_t last_transponder_slot() const { return u16(settings_layout::kLastTransponderSlot); }
    void set_last_transponder_slot(std::uint16_t v) { setU16(settings_layout::kLastTransponderSlot, v); }
    std::uint16_t last_channel_slot() const { return u16(settings_layout::kLastChannelSlot); }
    void set_last_channel_slot(std::uint16_t v) { setU16(settings_layout::kLastChannelSlot, v); }

    // Favourite group names, group index 0..7 (group 1 first). A name of 16 characters has no terminator;
    // longer names are cut to 16 bytes. An index outside 0..7 reads "" and writes nothing.
    std::string fav_name(std::size_t group) const;
    void set_fav_name(std::size_t group, std::string_view name);

private:
    std::uint8_t u8(std::size_t offset) const { return m_bytes[offset]; }
    void setU8(std::size_t offset, std::uint8_t v) { m_bytes[offset] = v; }
    std::uint16_t u16(std::size_t offset) const { return ReadLe16(m_bytes, offset); }
    void setU16(std::size_t offset, std::uint16_t v) { WriteLe16(m_bytes, offset, v); }
    std::int16_t s16(std::size_t offset) const { return static_cast<std::int16_t>(u16(offset)); }
    void setS16(std::size_t offset, std::int16_t v) { setU16(offset, static_cast<std::uint16_t>(v)); }

    Bytes m_bytes;
};

} // namespace vorlane
