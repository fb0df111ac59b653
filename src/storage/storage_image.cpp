#include "storage/storage_image.h"

namespace vorlane {

namespace {

std::size_t PageOffset(int number) {
    const auto n = static_cast<std::size_t>(number);
    return number < kEeprom0PageCount ? kEeprom0PagesOffset + n * kPageSize
                                      : kEeprom1PagesOffset + (n - kEeprom0PageCount) * kPageSize;
}

} // namespace

std::vector<std::uint8_t> MakeFreshImage(std::size_t size) {
    return std::vector<std::uint8_t>(size, 0xFF);
}

std::optional<EepromPage> StorageImage::PageView(int number) const {
    if (number < 0 || number >= kSettingsPageCount)
        return std::nullopt;
    const std::size_t offset = PageOffset(number);
    if (offset + kPageSize > m_bytes.size())
        return std::nullopt;
    return EepromPage(m_bytes.subspan(offset, kPageSize));
}

std::optional<FlashSector> StorageImage::SectorView(int physical) const {
    if (physical < 0 || physical >= kPhysicalSectorCount)
        return std::nullopt;
    const std::size_t offset = kFirstSectorOffset + static_cast<std::size_t>(physical) * kSectorSize;
    if (offset + kSectorSize > m_bytes.size())
        return std::nullopt;
    return FlashSector(m_bytes.subspan(offset, kSectorSize));
}

} // namespace vorlane
