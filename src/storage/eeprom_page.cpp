#include "storage/eeprom_page.h"

#include "storage/checksum.h"

#include <algorithm>
#include <array>

namespace vorlane {

namespace {

using Descriptor = std::array<std::uint8_t, EepromPage::kDescriptorSize>;
constexpr Descriptor kEeprom0Descriptor{0x20, 0x20, 0x00, 0x00, 0x20, 0x20, 0x80, 0x80};
constexpr Descriptor kEeprom1Descriptor{0x20, 0x20, 0x00, 0x00, 0x20, 0x20, 0x00, 0x80};

const char* TagOf(EepromArea area) {
    return area == EepromArea::Eeprom0 ? "EEPROM0" : "EEPROM1";
}

} // namespace

bool EepromPage::HasTag(EepromArea area) const {
    const char* tag = TagOf(area);
    return std::equal(tag, tag + kTagCompared, m_bytes.begin() + kTagOffset);
}

bool EepromPage::IsCandidate(EepromArea area, std::uint32_t state) const {
    if (!HasTag(area) || State() != state)
        return false;
    if (state == page_state::kFree)
        return true;
    return Length() < kDataCapacity && StoredChecksum() == Checksum(Data().first(Length()));
}

void EepromPage::Format(EepromArea area) {
    const Descriptor& descriptor = area == EepromArea::Eeprom0 ? kEeprom0Descriptor : kEeprom1Descriptor;
    std::copy(descriptor.begin(), descriptor.end(), m_bytes.begin() + kDescriptorOffset);
    const char* tag = TagOf(area);
    std::copy(tag, tag + kTagSize, m_bytes.begin() + kTagOffset);
    SetState(page_state::kFree);
}

int EepromPage::Write(ConstByteSpan data) {
    if (data.size() >= kDataCapacity)
        return 0;
    if (data.empty()) {
        SetState(page_state::kEmptyWrite);
        return 0;
    }
    SetState(page_state::kWriting);
    std::copy(data.begin(), data.end(), m_bytes.begin() + kDataOffset);
    WriteLe32(m_bytes, kLengthOffset, static_cast<std::uint32_t>(data.size()));
    WriteLe32(m_bytes, kChecksumOffset, Checksum(data));
    SetState(page_state::kValid);
    return static_cast<int>(data.size());
}

} // namespace vorlane
