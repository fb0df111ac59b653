#include "image_builders.h"
#include "storage/storage_image.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using Image = std::vector<std::uint8_t>;
constexpr int kRecord = static_cast<int>(kSettingsRecordSize);

Image ReadBack(const StorageImage& image) {
    Image record(kSettingsRecordSize, 0);
    EXPECT_EQ(kRecord, image.ReadSettings(record));
    return record;
}

std::uint32_t StateAt(const Image& bytes, int number) {
    return ReadLe32(bytes.data() + PageBase(number) + 0x88);
}

// Descriptor at 0x30 and tag at 0x80 of a formatted page of EEPROM0 or EEPROM1.
void ExpectFormatted(const Image& bytes, int page) {
    const std::uint8_t area = page < 8 ? 0x80 : 0x00;
    EXPECT_EQ((Image{0x20, 0x20, 0x00, 0x00, 0x20, 0x20, area, 0x80}), Slice(bytes, PageBase(page) + 0x30, 8)) << page;
    const std::uint8_t digit = page < 8 ? '0' : '1';
    EXPECT_EQ((Image{'E', 'E', 'P', 'R', 'O', 'M', digit, 0}), Slice(bytes, PageBase(page) + 0x80, 8)) << page;
}

TEST(SettingsPages, FreshImageHasNoPageAndFirstWriteFormatsEeprom0ByteExactly) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    EXPECT_EQ(StorageImage::kNone, image.CurrentSettingsPage());
    Image record(kSettingsRecordSize, 0x5A);
    EXPECT_EQ(StorageImage::kNone, image.ReadSettings(record));
    EXPECT_EQ(Image(kSettingsRecordSize, 0x5A), record); // reading left the record alone

    std::fill(record.begin(), record.end(), 0x01);
    record[0] = 0xFF; // sum = 3195 + 255 = 0x0D7A
    EXPECT_EQ(kRecord, image.WriteSettings(record));
    for (int page = 0; page < 8; ++page) {
        ExpectFormatted(bytes, page);
        EXPECT_EQ(page == 0 ? 0xAABBCCFFu : 0xAAFFFFFFu, StateAt(bytes, page)) << page;
    }
    EXPECT_EQ(0x0D7Au, ReadLe32(bytes.data() + 0x808C));
    EXPECT_EQ(0x0C7Cu, ReadLe32(bytes.data() + 0x8090));
    EXPECT_EQ(record, Slice(bytes, 0x80A0, kSettingsRecordSize));
    // Formatting touches only descriptor, tag and state; EEPROM1 and the unused area stay erased.
    EXPECT_EQ(Image(0x30, 0xFF), Slice(bytes, 0x9000, 0x30));
    EXPECT_EQ(Image(0x8000, 0xFF), Slice(bytes, 0, 0x8000));
    EXPECT_EQ(Image(kFullImageSize - 0x10000, 0xFF), Slice(bytes, 0x10000, kFullImageSize - 0x10000));
    EXPECT_EQ(0, image.CurrentSettingsPage());
    EXPECT_EQ(record, ReadBack(image));
}

TEST(SettingsPages, WritesWalkThroughBothAreasWithHandOvers) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    std::uint32_t seed = 0;
    auto write = [&](int expectedPage) {
        const auto record = Pattern(kSettingsRecordSize, ++seed);
        EXPECT_EQ(kRecord, image.WriteSettings(record));
        EXPECT_EQ(record, ReadBack(image)) << "write " << seed;
        EXPECT_EQ(expectedPage, image.CurrentSettingsPage()) << "write " << seed;
    };
    for (int page = 0; page < 8; ++page)
        write(page);
    EXPECT_EQ(Image(0x2000, 0xFF), Slice(bytes, 0, 0x2000));

    write(8); // EEPROM0/7 -> EEPROM1/0
    EXPECT_EQ(0xAABBCCDDu, StateAt(bytes, 7));
    ExpectFormatted(bytes, 8);
    ExpectFormatted(bytes, 9);
    EXPECT_EQ(0xAABBCCFFu, StateAt(bytes, 8));
    EXPECT_EQ(0xAAFFFFFFu, StateAt(bytes, 9));
    write(9);

    // EEPROM1/1 -> EEPROM0/0: EEPROM1 keeps its bytes apart from the state of its last page.
    auto before = bytes;
    write(0);
    EXPECT_EQ(0xAABBCCDDu, StateAt(bytes, 9));
    WriteLe32(before.data() + PageBase(9) + 0x88, 0xAABBCCDD);
    EXPECT_EQ(Slice(before, 0, 0x2000), Slice(bytes, 0, 0x2000));
    EXPECT_EQ(0xAABBCCFFu, StateAt(bytes, 0));
    for (int page = 1; page < 8; ++page)
        EXPECT_EQ(0xAAFFFFFFu, StateAt(bytes, page)) << page;

    // Second round: EEPROM0/7 is current while EEPROM1/1 is handed over, then EEPROM1 takes over again.
    for (int page = 1; page < 9; ++page)
        write(page);
    EXPECT_EQ(0xAAFFFFFFu, StateAt(bytes, 9)); // reformatted
}

TEST(SettingsPages, CurrentPageChoice) {
    const auto data = Pattern(kSettingsRecordSize, 7);
    const struct {
        const char* name;
        std::vector<std::pair<int, std::uint32_t>> pages; // page number, state
        int expected;
        void (*damage)(Image&) = nullptr;
    } cases[] = {
        // clang-format off
        {"EEPROM0 only", {{0, 0xAABBCCFF}, {3, 0xAABBCCFF}, {4, 0xAAFFFFFF}}, 3},
        {"EEPROM1 only", {{8, 0xAABBCCFF}, {9, 0xAABBCCFF}}, 9},
        {"free EEPROM0 page above a keeps a", {{2, 0xAABBCCFF}, {5, 0xAAFFFFFF}, {8, 0xAABBCCFF}}, 2},
        {"no free EEPROM0 page above a", {{2, 0xAABBCCFF}, {1, 0xAAFFFFFF}, {8, 0xAABBCCFF}}, 8},
        {"EEPROM0/7 with EEPROM1/1 handed over", {{7, 0xAABBCCFF}, {8, 0xAABBCCFF}, {9, 0xAABBCCDD}}, 7},
        {"EEPROM0/7 handed over to EEPROM1/0", {{7, 0xAABBCCDD}, {8, 0xAABBCCFF}}, 8},
        {"handed-over page counts as valid", {{4, 0xAABBCCDD}}, 4},
        {"being-written page is not valid", {{0, 0xAABBCCFF}, {1, 0xAABBFFFF}, {2, 0xAAFFFFFF}}, 0},
        {"empty write is not valid", {{0, 0xAABBCCFF}, {1, 0x00000000}}, 0},
        {"tag of the other area", {{0, 0xAABBCCFF}, {1, 0xAABBCCFF}}, 0, [](Image& b) { b[PageBase(1) + 0x86] = '1'; }},
        {"checksum does not match", {{0, 0xAABBCCFF}, {2, 0xAABBCCFF}}, 0, [](Image& b) { b[PageBase(2) + 0xA0] ^= 1; }},
        {"length 0xF60 with a matching checksum", {{0, 0xAABBCCFF}}, 0, [](Image& b) { CraftPage(b, 3, 0xAABBCCFF, Pattern(0xF60, 9)); }},
        {"length 0xF5F", {{0, 0xAABBCCFF}}, 3, [](Image& b) { CraftPage(b, 3, 0xAABBCCFF, Pattern(0xF5F, 9)); }},
        {"absurd length, not read past the page", {{0, 0xAABBCCFF}, {3, 0xAABBCCFF}}, 0, [](Image& b) { WriteLe32(b.data() + PageBase(3) + 0x90, 0xFFFFFFFF); }},
        // clang-format on
    };
    for (const auto& c : cases) {
        auto bytes = MakeFreshImage();
        for (const auto& [page, state] : c.pages)
            CraftPage(bytes, page, state, data);
        if (c.damage)
            c.damage(bytes);
        EXPECT_EQ(c.expected, StorageImage(bytes).CurrentSettingsPage()) << c.name;
    }
}

TEST(SettingsPages, LengthLimitEmptyWritesAndStoringOnlyWhenChanged) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    const auto fresh = bytes;
    EXPECT_EQ(0, image.WriteSettings(Pattern(0xF60, 1)));
    EXPECT_EQ(fresh, bytes);
    EXPECT_EQ(0xF5F, image.WriteSettings(Pattern(0xF5F, 1)));
    // No data: the page is marked 0x00000000 and is never current.
    EXPECT_EQ(0, image.WriteSettingsPage(1, {}));
    EXPECT_EQ(0u, StateAt(bytes, 1));
    EXPECT_EQ(0, image.CurrentSettingsPage());

    auto other = MakeFreshImage();
    StorageImage storing(other);
    auto record = Pattern(kSettingsRecordSize, 5);
    EXPECT_EQ(kRecord, storing.StoreSettings(record));
    const auto once = other;
    EXPECT_EQ(0, storing.StoreSettings(record));
    EXPECT_EQ(once, other);
    record[kSettingsRecordSize - 1] ^= 0x80; // last word differs
    EXPECT_EQ(kRecord, storing.StoreSettings(record));
    EXPECT_EQ(1, storing.CurrentSettingsPage());
    EXPECT_EQ(record, ReadBack(storing));

    // Reading reports the stored length but copies the whole record.
    bytes = MakeFreshImage();
    CraftPage(bytes, 0, 0xAABBCCFF, Slice(record, 0, 100));
    std::copy(record.begin(), record.end(), bytes.begin() + PageBase(0) + 0xA0);
    Image read(kSettingsRecordSize, 0);
    EXPECT_EQ(100, StorageImage(bytes).ReadSettings(read));
    EXPECT_EQ(record, read);
}

TEST(SettingsPages, Eeprom1FirstPageWithoutFreeSuccessorHandsOverToEeprom0) {
    auto bytes = MakeFreshImage();
    CraftPage(bytes, 8, 0xAABBCCFF, Pattern(kSettingsRecordSize, 1)); // EEPROM1/1 is erased, not formatted
    StorageImage image(bytes);
    ASSERT_EQ(8, image.CurrentSettingsPage());
    const auto record = Pattern(kSettingsRecordSize, 2);
    EXPECT_EQ(kRecord, image.WriteSettings(record));
    EXPECT_EQ(0xAABBCCDDu, StateAt(bytes, 9));
    EXPECT_EQ(0, image.CurrentSettingsPage());
    EXPECT_EQ(record, ReadBack(image));
}

} // namespace
} // namespace vorlane::testing
