#pragma once
// The working copy of the receiver's flash: settings pages written log-style in two areas, and the database
// tables in logical sectors spread over physical sectors with generation numbers.
//
// StorageImage does not own the bytes: loading works on a file buffer in place, saving on a fresh buffer from
// MakeFreshImage. Any image size is safe: a page or sector that does not lie wholly inside the image is absent
// (never valid, never chosen, never written).

#include "platform/bytes.h"
#include "storage/eeprom_page.h"
#include "storage/flash_sector.h"
#include "storage/generation_wrap.h"
#include "storage/image_layout.h"
#include "storage/sector_map.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorlane {

// A blank image of the given size: every byte 0xFF, as erased flash.
std::vector<std::uint8_t> MakeFreshImage(std::size_t size = kFullImageSize);

class StorageImage {
public:
    static constexpr int kNone = -1;

    explicit StorageImage(ByteSpan bytes) : m_bytes(bytes) {}

    // A const image hands out read-only bytes, pages and sectors.
    ByteSpan Bytes() { return m_bytes; }
    ConstByteSpan Bytes() const { return m_bytes; }

    // --- settings pages (numbers 0..7 EEPROM0/0..7, 8..9 EEPROM1/0..1) ---
    std::optional<EepromPage> Page(int number) { return PageView(number); }
    std::optional<const EepromPage> Page(int number) const { return PageView(number); }
    // Index within the area (0..7 or 0..1) of its highest page that is a candidate for the state, or kNone.
    int FindPage(EepromArea area, std::uint32_t state) const;
    // The page holding the current settings record, or kNone.
    int CurrentSettingsPage() const;
    // Copies the record (kSettingsRecordSize bytes at most) from the current page; reports the stored length,
    // or kNone (record untouched) when there is no current page.
    int ReadSettings(ByteSpan record) const;
    void FormatArea(EepromArea area);
    // Writes the record into the next page, handing over between the areas; reports its length, 0 when the
    // record is too long or the page is absent.
    int WriteSettings(ConstByteSpan record);
    // Writes one page; reports the byte count, 0 for no data (the page's state becomes 0) or an absent page.
    int WriteSettingsPage(int number, ConstByteSpan data);
    // Writes the record only when the current page holds different bytes; reports the bytes written (0 when
    // the image already held the record or the write failed).
    int StoreSettings(ConstByteSpan record);

    // --- table sectors (physical 0..11, logical 0..10) ---
    std::optional<FlashSector> Sector(int physical) { return SectorView(physical); }
    std::optional<const FlashSector> Sector(int physical) const { return SectorView(physical); }
    SectorMap BuildSectorMap() const;
    // Lowest physical sector that holds no current copy, or kNone.
    int FindFreeSector() const;
    // Fills the region from logical sectors starting at firstLogical, each into its own chunk; a missing sector,
    // or the part of a chunk a short copy leaves, reads as 0xFF bytes. Reports the bytes that came from sectors.
    std::size_t ReadRegion(ByteSpan region, int firstLogical) const;
    // Writes every chunk of the region whose stored copy is missing or differs; reports the total of the chunk
    // sizes, 0 when the region does not fit the logical sectors or a chunk found no free sector.
    std::size_t WriteRegion(ConstByteSpan region, int firstLogical);
    // Writes a chunk as the newest copy of a logical sector; false when the sector is absent or the chunk or
    // logical number is out of range.
    [[nodiscard]] bool WriteSector(ConstByteSpan chunk, int physical, int logical);

private:
    // What writing needs to know of each physical sector (absent ones stay empty). Summing a sector is the costly
    // part, so a region write surveys the sectors once and keeps the survey up to date as it writes.
    using SectorSurvey = std::array<std::optional<SectorAge>, kPhysicalSectorCount>;

    std::optional<EepromPage> PageView(int number) const;
    std::optional<FlashSector> SectorView(int physical) const;
    bool PageIsFree(int number) const;
    void MarkHandedOver(int number);
    int FreeSectorIn(const SectorMap& map) const;
    SectorSurvey SurveySectors() const;
    static SectorMap MapOf(const SectorSurvey& survey);
    bool WriteSurveyedSector(ConstByteSpan chunk, int physical, int logical, SectorSurvey& survey);
    std::uint32_t NextGeneration(int physical, SectorSurvey& survey);

    ByteSpan m_bytes;
};

} // namespace vorlane
