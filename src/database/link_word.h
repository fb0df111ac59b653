#pragma once
// The link word that ties a record to its place in an ordered list, in its 32-bit form and the
// narrower 16-bit (satellite list, whole transponder list) and 8-bit (favourite byte) forms.

#include "database/record_fields.h"
#include "database/tuner_side.h"

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
    constexpr std::uint32_t Value() const { return m_value; }
    friend constexpr bool operator==(LinkWord, LinkWord) = default;

    constexpr unsigned Index() const { return BitsOf(m_value, 0, 14); }
    constexpr unsigned Key() const { return BitsOf(m_value, 14, 14); }
    constexpr unsigned Type() const { return BitsOf(m_value, 28, 2); }
    constexpr vorlane::TunerSide Side() const { return SideOfBit(BitsOf(m_value, 30, 1)); }
    constexpr bool KeptBit() const { return BitsOf(m_value, 31, 1) != 0; }

    constexpr LinkWord WithIndex(unsigned v) const { return LinkWord(WithBits(m_value, 0, 14, v)); }
    constexpr LinkWord WithKey(unsigned v) const { return LinkWord(WithBits(m_value, 14, 14, v)); }
    constexpr LinkWord WithType(unsigned v) const { return LinkWord(WithBits(m_value, 28, 2, v)); }
    constexpr LinkWord WithSide(vorlane::TunerSide side) const {
        return LinkWord(WithBits(m_value, 30, 1, SideBit(side)));
    }

    // 16-bit form: key in bits 0-12, bit 0 of the index in bit 13, type in bits 14-15.
    static constexpr LinkWord FromForm16(std::uint16_t v) {
        return LinkWord().WithKey(BitsOf(v, 0, 13)).WithIndex(BitsOf(v, 13, 1)).WithType(BitsOf(v, 14, 2));
    }
    constexpr std::uint16_t ToForm16() const {
        return static_cast<std::uint16_t>((Key() & 0x1FFFu) | ((Index() & 1u) << 13) | (Type() << 14));
    }

    // 8-bit form: position in bits 0-6, membership in bit 7 (read as type 1). The byte has no side
    // bit, so the side comes from the PK of the channel side that owns the byte.
    static constexpr LinkWord FromFavouriteByte(std::uint8_t v, vorlane::TunerSide side) {
        return LinkWord().WithKey(BitsOf(v, 0, 7)).WithType(BitsOf(v, 7, 1)).WithSide(side);
    }
    // Only list members are written back, so the membership bit is always set.
    constexpr std::uint8_t ToFavouriteByte() const { return static_cast<std::uint8_t>(0x80u | (Key() & 0x7Fu)); }

private:
    std::uint32_t m_value = 0;
};

} // namespace vorlane
