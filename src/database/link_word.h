#pragma once
// The link word that ties a record to its place in an ordered list, in its 32-bit form and the
// narrower 16-bit (satellite list, whole transponder list) and 8-bit (favourite byte) forms.

#include "database/record_fields.h"

#include <cstdint>

namespace vorlane {

enum class ServiceType : unsigned { Tv = 0, Radio = 1, Data = 2, None = 3 };

class LinkWord {
public:
    static constexpr std::uint32_t kTunerSideBit = 1u << 30;
    static constexpr std::uint32_t kKeptBit = 1u << 31;
    static constexpr unsigned kMaxFavouritePosition = 127;

    constexpr LinkWord() = default;
    constexpr explicit LinkWord(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t value() const { return m_value; }
    friend constexpr bool operator==(LinkWord, LinkWord) = default;

    constexpr unsigned index() const { return bitsOf(m_value, 0, 14); }
    constexpr unsigned key() const { return bitsOf(m_value, 14, 14); }
    constexpr unsigned type() const { return bitsOf(m_value, 28, 2); }
    constexpr unsigned tunerSide() const { return bitsOf(m_value, 30, 1); }
    constexpr bool keptBit() const { return bitsOf(m_value, 31, 1) != 0; }

    constexpr LinkWord withIndex(unsigned v) const { return LinkWord(withBits(m_value, 0, 14, v)); }
    constexpr LinkWord withKey(unsigned v) const { return LinkWord(withBits(m_value, 14, 14, v)); }
    constexpr LinkWord withType(unsigned v) const { return LinkWord(withBits(m_value, 28, 2, v)); }
    constexpr LinkWord withTunerSide(unsigned v) const { return LinkWord(withBits(m_value, 30, 1, v)); }

    // 16-bit form: key in bits 0-12, bit 0 of the index in bit 13, type in bits 14-15.
    static constexpr LinkWord FromForm16(std::uint16_t v) {
        return LinkWord().withKey(bitsOf(v, 0, 13)).withIndex(bitsOf(v, 13, 1)).withType(bitsOf(v, 14, 2));
    }
    constexpr std::uint16_t toForm16() const {
        return static_cast<std::uint16_t>((key() & 0x1FFFu) | ((index() & 1u) << 13) | (type() << 14));
    }

    // 8-bit form: position in bits 0-6, membership in bit 7 (read as type 1). The byte has no side
    // bit, so the side comes from the PK of the channel side that owns the byte.
    static constexpr LinkWord FromFavouriteByte(std::uint8_t v, unsigned tunerSide) {
        return LinkWord().withKey(bitsOf(v, 0, 7)).withType(bitsOf(v, 7, 1)).withTunerSide(tunerSide);
    }
    // Only list members are written back, so the membership bit is always set.
    constexpr std::uint8_t toFavouriteByte() const { return static_cast<std::uint8_t>(0x80u | (key() & 0x7Fu)); }

private:
    std::uint32_t m_value = 0;
};

} // namespace vorlane
