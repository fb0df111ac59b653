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
    return HasTag() && State() == sector_state::kValid && Logical() < static_cast<std::uint32_t>(kLogicalSectorCount) &&
           ChecksumMatches();
}

std::uint32_t FlashSector::CountedGeneration() const {
    return HasTag() && ChecksumMatches() ? Generation() : 0;
}

void FlashSector::Write(ConstByteSpan chunk, std::uint32_t logical, std::uint32_t generation) {
    WriteLe32(m_bytes, kStateOffset, sector_state::kWriting);
    std::copy(kTag, kTag + kTagSize, m_bytes.begin() + kTagOffset);
    std::copy(chunk.begin(), chunk.end(), m_bytes.begin() + kDataOffset);
    WriteLe32(m_bytes, kLengthOffset, static_cast<std::uint32_t>(chunk.size()));
    WriteLe32(m_bytes, kChecksumOffset, Checksum(chunk));
    SetGeneration(generation);
    WriteLe32(m_bytes, kLogicalOffset, logical);
    WriteLe32(m_bytes, kStateOffset, sector_state::kValid);
}

} // namespace vorlane
