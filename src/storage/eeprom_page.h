#pragma once
// One 4 KB settings page: a view over its bytes with the receiver's named fields.

#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>

namespace vorlane {

enum class EepromArea { Eeprom0, Eeprom1 };

namespace page_state {
inline constexpr std::uint32_t kFree = 0xAAFFFFFF;
inline constexpr std::uint32_t kWriting = 0xAABBFFFF;
inline constexpr std::uint32_t kValid = 0xAABBCCFF;
inline constexpr std::uint32_t kHandedOver = 0xAABBCCDD; // last page of an area, successor in the other area
inline constexpr std::uint32_t kEmptyWrite = 0x00000000;
} // namespace page_state

class EepromPage {
public:
    static constexpr std::size_t kDescriptorOffset = 0x30;
    static constexpr std::size_t kDescriptorSize = 8;
    static constexpr std::size_t kTagOffset = 0x80;
    static constexpr std::size_t kTagSize = 8;     // with its NUL
    static constexpr std::size_t kTagCompared = 7; // the NUL is not compared
    static constexpr std::size_t kStateOffset = 0x88;
    static constexpr std::size_t kChecksumOffset = 0x8C;
    static constexpr std::size_t kLengthOffset = 0x90;
    static constexpr std::size_t kDataOffset = 0xA0;
    static constexpr std::size_t kDataCapacity = 0xF60; // a length word must stay below this

    // bytes must be one whole page (kPageSize bytes).
    explicit EepromPage(ByteSpan bytes) : m_bytes(bytes) {}

    bool HasTag(EepromArea area) const;
    std::uint32_t State() const { return ReadLe32(m_bytes, kStateOffset); }
    void SetState(std::uint32_t state) { WriteLe32(m_bytes, kStateOffset, state); }
    std::uint32_t StoredChecksum() const { return ReadLe32(m_bytes, kChecksumOffset); }
    std::uint32_t Length() const { return ReadLe32(m_bytes, kLengthOffset); }
    ConstByteSpan Data() const { return ConstByteSpan(m_bytes).subspan(kDataOffset, kDataCapacity); }

    // Tag of the area and the given state; apart from a free page also a sane length and a matching checksum.
    bool IsCandidate(EepromArea area, std::uint32_t state) const;

    // Writes the descriptor, the tag and the free state; every other byte stays.
    void Format(EepromArea area);

    // Stores the data as the page's content and reports the byte count. No data: state 0 and 0 reported;
    // too much data: the page stays as it is and 0 is reported.
    int Write(ConstByteSpan data);

private:
    ByteSpan m_bytes;
};

} // namespace vorlane
