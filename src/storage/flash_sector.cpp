#include "storage/flash_sector.h"

#include "storage/checksum.h"
#include "storage/image_layout.h"

#include <algorithm>

namespace vorlane {

namespace {
constexpr char kTag[] = "FLASH00";
}

bool FlashSector::HasTag() const {
    return std::equal(kTag, kTag + kTagSize, m_bytes.begin() + kTagOffset);
}

ConstByteSpan FlashSector::StoredData() const {
    if (Length() > kDataCapacity)
        return {};
    return ConstByteSpan(m_bytes).subspan(kDataOffset, Length());
}

bool FlashSector::ChecksumMatches() const {
    return Length() <= kDataCapacity && StoredChecksum() == Checksum(StoredData());
}

bool FlashSector::IsValid() const {
    return HasTag() && State() == SectorState::kValid && Logical() < static_cast<std::uint32_t>(kLogicalSectorCount) &&
           ChecksumMatches();
}

std::uint32_t FlashSector::CountedGeneration() const {
    return HasTag() && ChecksumMatches() ? Generation() : 0;
}

void FlashSector::Write(ConstByteSpan chunk, std::uint32_t logical, std::uint32_t generation) {
    writeLe32(m_bytes, kStateOffset, SectorState::kWriting);
    std::copy(kTag, kTag + kTagSize, m_bytes.begin() + kTagOffset);
    std::copy(chunk.begin(), chunk.end(), m_bytes.begin() + kDataOffset);
    writeLe32(m_bytes, kLengthOffset, static_cast<std::uint32_t>(chunk.size()));
    writeLe32(m_bytes, kChecksumOffset, Checksum(chunk));
    SetGeneration(generation);
    writeLe32(m_bytes, kLogicalOffset, logical);
    writeLe32(m_bytes, kStateOffset, SectorState::kValid);
}

} // namespace vorlane
