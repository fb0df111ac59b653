#pragma once
// One 64 KB table sector: a view over its bytes with the receiver's named fields.

#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>

namespace vorlane {

namespace sector_state {
inline constexpr std::uint32_t kWriting = 0xAABBFFFF;
inline constexpr std::uint32_t kValid = 0xAABBCCFF;
} // namespace sector_state

class FlashSector {
public:
    static constexpr std::size_t kTagOffset = 0x80;
    static constexpr std::size_t kTagSize = 7; // "FLASH00", no terminator
    static constexpr std::size_t kGenerationOffset = 0x88;
    static constexpr std::size_t kStateOffset = 0x8C;
    static constexpr std::size_t kLogicalOffset = 0x90;
    static constexpr std::size_t kChecksumOffset = 0x94;
    static constexpr std::size_t kLengthOffset = 0x98;
    static constexpr std::size_t kDataOffset = 0xA0;
    static constexpr std::size_t kDataCapacity = 0xFF60; // a length word may be at most this

    // bytes must be one whole sector (kSectorSize bytes).
    explicit FlashSector(ByteSpan bytes) : m_bytes(bytes) {}

    bool HasTag() const;
    std::uint32_t Generation() const { return ReadLe32(m_bytes, kGenerationOffset); }
    void SetGeneration(std::uint32_t generation) { WriteLe32(m_bytes, kGenerationOffset, generation); }
    std::uint32_t State() const { return ReadLe32(m_bytes, kStateOffset); }
    std::uint32_t Logical() const { return ReadLe32(m_bytes, kLogicalOffset); }
    std::uint32_t StoredChecksum() const { return ReadLe32(m_bytes, kChecksumOffset); }
    std::uint32_t Length() const { return ReadLe32(m_bytes, kLengthOffset); }

    // Length within the data area and checksum equal to the sum of the stored data.
    bool ChecksumMatches() const;
    // Tag, valid state, checksum and a logical number the tables use.
    bool IsValid() const;
    // The generation when tag and checksum are right, else 0.
    std::uint32_t CountedGeneration() const;
    // The stored data; empty when the length word is out of range.
    ConstByteSpan StoredData() const;

    // Stores a chunk (at most kDataCapacity bytes) as a valid copy of the logical sector.
    void Write(ConstByteSpan chunk, std::uint32_t logical, std::uint32_t generation);

private:
    ByteSpan m_bytes;
};

} // namespace vorlane
