#pragma once
// Shared pieces of the record views: the free-slot marker, bit fields inside little-endian words
// and fixed-length text fields that are NUL-terminated only when shorter than the field.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace vorlane {

// A record whose first 32-bit word holds this is a free slot.
inline constexpr std::uint32_t kFreeRecordWord = 0xFFFFFFFFu;

// A record view writes only when it sits on mutable bytes.
template <typename Byte>
concept MutableBytes = !std::is_const_v<Byte>;

constexpr std::uint32_t BitsOf(std::uint32_t word, unsigned shift, unsigned width) {
    return (word >> shift) & ((1u << width) - 1u);
}

constexpr std::uint32_t WithBits(std::uint32_t word, unsigned shift, unsigned width, std::uint32_t value) {
    const std::uint32_t mask = ((1u << width) - 1u) << shift;
    return (word & ~mask) | ((value << shift) & mask);
}

// Reads at most `length` bytes and stops at the first NUL.
inline std::string ReadFixedString(const std::uint8_t* field, std::size_t length) {
    const auto* end = std::find(field, field + length, std::uint8_t{0});
    return std::string(field, end);
}

// Copies at most `length` bytes of text and pads the rest of the field with NULs.
inline void WriteFixedString(std::uint8_t* field, std::size_t length, std::string_view text) {
    const std::size_t n = std::min(length, text.size());
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, length - n);
}

} // namespace vorlane
