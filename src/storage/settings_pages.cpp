// The settings record's pages: EEPROM0/0..7 are filled in turn, then EEPROM1/0..1, then EEPROM0 again.
// The last page of an area is marked handed over so the reader knows the other area holds the newer copy.
#include "storage/checksum.h"
#include "storage/storage_image.h"

#include <algorithm>
#include <array>

namespace vorlane {

namespace {

constexpr int kLastEeprom0Page = kEeprom0PageCount - 1;  // 7
constexpr int kFirstEeprom1Page = kEeprom0PageCount;     // 8
constexpr int kLastEeprom1Page = kSettingsPageCount - 1; // 9

EepromArea AreaOf(int number) {
    return number < kEeprom0PageCount ? EepromArea::Eeprom0 : EepromArea::Eeprom1;
}
int PageCount(EepromArea area) {
    return area == EepromArea::Eeprom0 ? kEeprom0PageCount : kEeprom1PageCount;
}
int FirstPage(EepromArea area) {
    return area == EepromArea::Eeprom0 ? 0 : kFirstEeprom1Page;
}

} // namespace

int StorageImage::FindPage(EepromArea area, std::uint32_t state) const {
    for (int index = PageCount(area) - 1; index >= 0; --index) {
        const std::optional<EepromPage> page = Page(FirstPage(area) + index);
        if (page && page->IsCandidate(area, state))
            return index;
    }
    return kNone;
}

int StorageImage::CurrentSettingsPage() const {
    const int a = std::max(FindPage(EepromArea::Eeprom0, page_state::kValid),
                           FindPage(EepromArea::Eeprom0, page_state::kHandedOver));
    const int f = FindPage(EepromArea::Eeprom0, page_state::kFree);
    const int d = FindPage(EepromArea::Eeprom1, page_state::kHandedOver);
    const int b = std::max(FindPage(EepromArea::Eeprom1, page_state::kValid), d);
    if (b == kNone)
        return a;
    if (a == kNone)
        return b + kFirstEeprom1Page;
    if (a == kLastEeprom0Page)
        return d == 1 ? kLastEeprom0Page : b + kFirstEeprom1Page;
    if (f <= a) // no free EEPROM0 page above a: EEPROM1 took over
        return b + kFirstEeprom1Page;
    return a;
}

int StorageImage::ReadSettings(ByteSpan record) const {
    const std::optional<EepromPage> page = Page(CurrentSettingsPage());
    if (!page)
        return kNone;
    const ConstByteSpan data = page->Data().first(std::min(record.size(), kSettingsRecordSize));
    std::copy(data.begin(), data.end(), record.begin());
    return static_cast<int>(page->Length());
}

void StorageImage::FormatArea(EepromArea area) {
    for (int index = 0; index < PageCount(area); ++index)
        if (std::optional<EepromPage> page = Page(FirstPage(area) + index))
            page->Format(area);
}

bool StorageImage::PageIsFree(int number) const {
    const std::optional<EepromPage> page = Page(number);
    return page && page->IsCandidate(AreaOf(number), page_state::kFree);
}

void StorageImage::MarkHandedOver(int number) {
    if (std::optional<EepromPage> page = Page(number))
        page->SetState(page_state::kHandedOver);
}

int StorageImage::WriteSettingsPage(int number, ConstByteSpan data) {
    std::optional<EepromPage> page = Page(number);
    return page ? page->Write(data) : 0;
}

int StorageImage::WriteSettings(ConstByteSpan record) {
    if (record.size() >= EepromPage::kDataCapacity)
        return 0;
    int current = CurrentSettingsPage();
    if (current == kNone) {
        FormatArea(EepromArea::Eeprom0);
        return WriteSettingsPage(0, record);
    }
    for (; current < kLastEeprom0Page; ++current)
        if (PageIsFree(current + 1))
            return WriteSettingsPage(current + 1, record);
    if (current == kLastEeprom0Page) {
        FormatArea(EepromArea::Eeprom1);
        MarkHandedOver(kLastEeprom0Page);
        return WriteSettingsPage(kFirstEeprom1Page, record);
    }
    if (current == kFirstEeprom1Page && PageIsFree(kLastEeprom1Page))
        return WriteSettingsPage(kLastEeprom1Page, record);
    FormatArea(EepromArea::Eeprom0);
    MarkHandedOver(kLastEeprom1Page);
    return WriteSettingsPage(0, record);
}

int StorageImage::StoreSettings(ConstByteSpan record) {
    std::array<std::uint8_t, kSettingsRecordSize> stored{};
    if (ReadSettings(stored) != kNone && std::equal(record.begin(), record.end(), stored.begin(), stored.end()))
        return 0;
    return WriteSettings(record);
}

} // namespace vorlane
