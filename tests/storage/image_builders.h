#pragma once
// Hand-built pages and sectors for the storage tests, written byte by byte so the tests do not lean on the
// code they check.

#include "platform/bytes.h"
#include "storage/image_layout.h"

#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

namespace vorlane::testing {

inline std::uint32_t ByteSum(ConstByteSpan bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint32_t{0});
}

inline std::size_t PageBase(int number) {
    return number < 8 ? 0x8000 + static_cast<std::size_t>(number) * 0x1000
                      : static_cast<std::size_t>(number - 8) * 0x1000;
}

inline std::size_t SectorBase(int physical) {
    return 0x10000 + static_cast<std::size_t>(physical) * 0x10000;
}

// A settings page with the tag of its area, the state and data; the checksum matches unless told otherwise.
inline void CraftPage(std::vector<std::uint8_t>& image, int number, std::uint32_t state,
                      const std::vector<std::uint8_t>& data, const char* tag = nullptr) {
    std::uint8_t* page = image.data() + PageBase(number);
    std::memcpy(page + 0x80, tag ? tag : (number < 8 ? "EEPROM0" : "EEPROM1"), 8);
    WriteLe32(page + 0x88, state);
    WriteLe32(page + 0x8C, ByteSum(data));
    WriteLe32(page + 0x90, static_cast<std::uint32_t>(data.size()));
    std::memcpy(page + 0xA0, data.data(), data.size());
}

inline void CraftSector(std::vector<std::uint8_t>& image, int physical, std::uint32_t logical, std::uint32_t generation,
                        const std::vector<std::uint8_t>& data, std::uint32_t state = 0xAABBCCFF) {
    std::uint8_t* sector = image.data() + SectorBase(physical);
    std::memcpy(sector + 0x80, "FLASH00", 7);
    WriteLe32(sector + 0x88, generation);
    WriteLe32(sector + 0x8C, state);
    WriteLe32(sector + 0x90, logical);
    WriteLe32(sector + 0x94, ByteSum(data));
    WriteLe32(sector + 0x98, static_cast<std::uint32_t>(data.size()));
    std::memcpy(sector + 0xA0, data.data(), data.size());
}

// Bytes that differ from one record or region to the next, and never all 0xFF.
inline std::vector<std::uint8_t> Pattern(std::size_t size, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return bytes;
}

inline std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& image, std::size_t offset, std::size_t size) {
    return {image.begin() + static_cast<std::ptrdiff_t>(offset),
            image.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

} // namespace vorlane::testing
