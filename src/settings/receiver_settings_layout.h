#pragma once
// Byte offsets of the receiver settings record (t_config_save). All multi-byte fields are little-endian.
// Bytes without a name here are reserved: zero after the defaults and carried through unchanged.

#include <cstddef>

namespace vorlane::settings_layout {

inline constexpr std::size_t kRecordSize = 3196;

// Identification and general fields.
inline constexpr std::size_t kTag = 0x000;
inline constexpr std::size_t kTagLength = 6;
inline constexpr std::size_t kTagVersion = 0x006; // two bytes
inline constexpr std::size_t kPowerState = 0x008;
inline constexpr std::size_t kMenuLanguage = 0x00C;
inline constexpr std::size_t kAudioLanguage = 0x00D;
inline constexpr std::size_t kAudioLanguage2 = 0x00E;
inline constexpr std::size_t kSubtitleLanguage = 0x00F;
inline constexpr std::size_t kReserved010 = 0x010;
inline constexpr std::size_t kReserved011 = 0x011;
inline constexpr std::size_t kClock = 0x014; // 32-byte ReceiverTime
inline constexpr std::size_t kTimeUpdate = 0x034;
inline constexpr std::size_t kGmtOffset = 0x035;
inline constexpr std::size_t kPassword = 0x037; // two bytes, four BCD digits, first digit in the high nibble
inline constexpr std::size_t kAgeRating = 0x039;
inline constexpr std::size_t kChannelLock = 0x03A;
inline constexpr std::size_t kMenuLocks = 0x03B;
inline constexpr std::size_t kIrdLock = 0x03C;
inline constexpr std::size_t kInstallationLock = 0x03D;
inline constexpr std::size_t kTvOutputType = 0x03E;
inline constexpr std::size_t kTvScreenType = 0x03F;
inline constexpr std::size_t kVideoOutput = 0x040;
inline constexpr std::size_t kAudioVolume = 0x041;
inline constexpr std::size_t kSoundMode = 0x042;
inline constexpr std::size_t kOsdTransparency = 0x043;
inline constexpr std::size_t kVolumeIndicator = 0x044;
inline constexpr std::size_t kInfoBoxTimeout = 0x045;
inline constexpr std::size_t kInfoBoxTimeout2 = 0x046;
inline constexpr std::size_t kReserved04F = 0x04F;
inline constexpr std::size_t kLnbPower = 0x050;
inline constexpr std::size_t kReserved052 = 0x052;
inline constexpr std::size_t kReserved054 = 0x054;
inline constexpr std::size_t kBaseLongitude = 0x056; // s16, tenths of a degree, negative = West
inline constexpr std::size_t kBaseLatitude = 0x058;  // s16, tenths of a degree, negative = South
inline constexpr std::size_t kTunerConnection = 0x064;
inline constexpr std::size_t kPipSize = 0x065;

// Position words (bit 15 a flag, bits 0..14 a value) and the slot-allocation cursors.
struct PositionGroup {
    std::size_t offset;
    std::size_t count;
};
inline constexpr PositionGroup kPosA{0x066, 1};
inline constexpr PositionGroup kPosB{0x068, 1};
inline constexpr PositionGroup kPosSatA{0x06A, 64};
inline constexpr PositionGroup kPosSatB{0x0EA, 64};
inline constexpr PositionGroup kPosFav{0x16A, 8};
inline constexpr PositionGroup kPosPairA{0x17A, 2};
inline constexpr PositionGroup kPosPairB{0x17E, 2};
inline constexpr PositionGroup kPosPairC{0x184, 2};
inline constexpr PositionGroup kPosPairD{0x188, 2};
inline constexpr PositionGroup kPositionGroups[] = {kPosA,     kPosB,     kPosSatA,  kPosSatB, kPosFav,
                                                    kPosPairA, kPosPairB, kPosPairC, kPosPairD};
inline constexpr std::size_t kPosEndA = 0x18C;
inline constexpr std::size_t kPosEndB = 0x18E;
inline constexpr std::size_t kLastSatelliteSlot = 0x190;
inline constexpr std::size_t kLastTransponderSlot = 0x192;
inline constexpr std::size_t kLastChannelSlot = 0x194;
inline constexpr std::size_t kPosWord = 0x19C; // u32

// Receiver-private area: only the offsets that get non-zero defaults.
inline constexpr std::size_t kPrivateFlagA = 0x1A0;
inline constexpr std::size_t kPrivateFlagB = 0x1A1;
inline constexpr std::size_t kBlockAEntries = 0x41C; // ten 14-byte entries, 0xFF by default
inline constexpr std::size_t kBlockAEntriesLength = 10 * 14;
inline constexpr std::size_t kPrivateLevels = 0xB50; // three bytes, 16 by default
inline constexpr std::size_t kPrivateLevelsLength = 3;

// Favourite group names, group 1 first.
inline constexpr std::size_t kFavName = 0xB5A;
inline constexpr std::size_t kFavNameLength = 16;
inline constexpr std::size_t kFavouriteGroupCount = 8;

} // namespace vorlane::settings_layout
