#pragma once
// What both readers write into every transponder they import, and how their numbers are stored.

#include "database/transponder_record.h"

#include <cstdint>
#include <cstring>

namespace vorlane {

// The network name "PRE" with its NUL in the first 4 bytes of the field; the rest of the field stays.
inline void WritePresetNetworkName(TransponderRecord transponder) {
    constexpr std::uint8_t kPresetNetworkName[] = {'P', 'R', 'E', 0};
    std::memcpy(transponder.RecordBytes() + TransponderRecord::kNetworkName, kPresetNetworkName,
                sizeof kPresetNetworkName);
}

// Numbers go into the records' 16-bit fields as their low 16 bits.
constexpr std::uint16_t Field16(std::int32_t value) {
    return static_cast<std::uint16_t>(value);
}

} // namespace vorlane
