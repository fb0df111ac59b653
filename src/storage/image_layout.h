#pragma once
// Where things lie in the receiver's flash image: settings pages in the first 64 KB, table sectors behind them.

#include <cstddef>
#include <cstdint>

namespace vorlane {

// Image sizes: channel files and model 1 use the full image; model 0's scratch image is shorter, so the
// last physical sector only partly exists there.
inline constexpr std::size_t kFullImageSize = 0xD0000;
inline constexpr std::size_t kModel0ImageSize = 0xCA000;

// Settings pages: 0..7 are EEPROM0/0..7, 8..9 are EEPROM1/0..1.
inline constexpr std::size_t kPageSize = 0x1000;
inline constexpr std::size_t kEeprom0PagesOffset = 0x8000;
inline constexpr std::size_t kEeprom1PagesOffset = 0x0000;
inline constexpr int kEeprom0PageCount = 8;
inline constexpr int kEeprom1PageCount = 2;
inline constexpr int kSettingsPageCount = kEeprom0PageCount + kEeprom1PageCount;

// The receiver settings record (799 little-endian words) carried in a settings page.
inline constexpr std::size_t kSettingsRecordSize = 3196;

// Table sectors: physical sector s starts at (s + 1) * kSectorSize.
inline constexpr std::size_t kSectorSize = 0x10000;
inline constexpr std::size_t kFirstSectorOffset = 0x10000;
inline constexpr int kPhysicalSectorCount = 12;
inline constexpr int kLogicalSectorCount = 11;

// The database tables are cut into chunks of one logical sector each.
inline constexpr std::size_t kChunkSize = 0xFF60;
inline constexpr std::size_t kSatelliteRegionSize = 0x13A54; // satellites and transponders
inline constexpr int kSatelliteRegionFirstLogical = 0;
inline constexpr std::size_t kChannelRegionSize = 0x88B88; // channels
inline constexpr int kChannelRegionFirstLogical = 2;

} // namespace vorlane
