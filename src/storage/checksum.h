#pragma once
// The one checksum of the receiver: the 32-bit wrapping sum of all bytes taken as unsigned.
// Settings pages, table sectors, block CRCs and serial packets all use it.

#include <cstdint>
#include <span>

namespace vorlane {

inline std::uint32_t Checksum(std::span<const std::uint8_t> bytes, std::uint32_t start = 0) {
    std::uint32_t sum = start;
    for (const std::uint8_t b : bytes)
        sum += b;
    return sum;
}

} // namespace vorlane
