#include "platform/bytes.h"
#include "storage/generation_wrap.h"
#include "storage/image_layout.h"
#include "storage/storage_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

namespace vorlane::testing {
namespace {

using Image = std::vector<std::uint8_t>;

// Hand-built pages and sectors, written byte by byte so the tests do not lean on the code they check.
std::uint32_t ByteSum(ConstByteSpan bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint32_t{0});
}

std::size_t PageBase(int number) {
    return number < 8 ? 0x8000 + static_cast<std::size_t>(number) * 0x1000
                      : static_cast<std::size_t>(number - 8) * 0x1000;
}

std::size_t SectorBase(int physical) {
    return 0x10000 + static_cast<std::size_t>(physical) * 0x10000;
}

// A settings page with the tag of its area, the state and data; the checksum matches unless told otherwise.
void CraftPage(Image& image, int number, std::uint32_t state, const Image& data, const char* tag = nullptr) {
    std::uint8_t* page = image.data() + PageBase(number);
    std::memcpy(page + 0x80, tag ? tag : (number < 8 ? "EEPROM0" : "EEPROM1"), 8);
    WriteLe32(page + 0x88, state);
    WriteLe32(page + 0x8C, ByteSum(data));
    WriteLe32(page + 0x90, static_cast<std::uint32_t>(data.size()));
    std::memcpy(page + 0xA0, data.data(), data.size());
}

void CraftSector(Image& image, int physical, std::uint32_t logical, std::uint32_t generation, const Image& data,
                 std::uint32_t state = 0xAABBCCFF) {
    std::uint8_t* sector = image.data() + SectorBase(physical);
    std::memcpy(sector + 0x80, "FLASH00", 7);
    WriteLe32(sector + 0x88, generation);
    WriteLe32(sector + 0x8C, state);
    WriteLe32(sector + 0x90, logical);
    WriteLe32(sector + 0x94, ByteSum(data));
    WriteLe32(sector + 0x98, static_cast<std::uint32_t>(data.size()));
    std::memcpy(sector + 0xA0, data.data(), data.size());
}

// Bytes that differ from one record or region to the next, and never all 0xFF.
Image Pattern(std::size_t size, std::uint32_t seed) {
    Image bytes(size);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return bytes;
}

Image Slice(const Image& image, std::size_t offset, std::size_t size) {
    return {image.begin() + static_cast<std::ptrdiff_t>(offset),
            image.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

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

TEST(SettingsPages, FirstWriteFormatsEeprom0ByteExactlyAndWritesWalkThroughBothAreasWithHandOvers) {
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

    std::uint32_t seed = 0;
    auto write = [&](int expectedPage) {
        const auto next = Pattern(kSettingsRecordSize, ++seed);
        EXPECT_EQ(kRecord, image.WriteSettings(next));
        EXPECT_EQ(next, ReadBack(image)) << "write " << seed;
        EXPECT_EQ(expectedPage, image.CurrentSettingsPage()) << "write " << seed;
    };
    for (int page = 1; page < 8; ++page)
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

const Image kSatellites = Pattern(kSatelliteRegionSize, 100);
const Image kChannels = Pattern(kChannelRegionSize, 200);

void WriteBoth(StorageImage& image, const Image& satellites, const Image& channels) {
    EXPECT_EQ(kSatelliteRegionSize, image.WriteRegion(satellites, kSatelliteRegionFirstLogical));
    EXPECT_EQ(kChannelRegionSize, image.WriteRegion(channels, kChannelRegionFirstLogical));
}

std::uint32_t Field(const Image& bytes, int physical, std::size_t offset) {
    return ReadLe32(bytes.data() + SectorBase(physical) + offset);
}

Image ReadChannels(const StorageImage& image, std::size_t expectedCount) {
    Image channels(kChannelRegionSize, 0);
    EXPECT_EQ(expectedCount, image.ReadRegion(channels, kChannelRegionFirstLogical));
    return channels;
}

TEST(TableSectors, FirstWriteFillsPhysicalSectorsInOrderByteExactlyAndRewritingOnlyChangedChunks) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    const auto fresh = bytes; // regions beyond the logical sectors are refused
    EXPECT_EQ(0u, image.WriteRegion(Pattern(kChannelRegionSize, 1), 3)); // would need logical 11
    EXPECT_EQ(0u, image.WriteRegion(Pattern(0x100, 1), -1));
    EXPECT_FALSE(image.WriteSector(Pattern(0x100, 1), 0, 11));
    EXPECT_FALSE(image.WriteSector(Pattern(kChunkSize + 1, 1), 0, 0));
    EXPECT_FALSE(image.WriteSector(Pattern(0x100, 1), 12, 0));
    EXPECT_EQ(fresh, bytes);
    Image channels = kChannels;
    WriteBoth(image, kSatellites, channels);

    const std::size_t lengths[] = {0xFF60, 0x3AF4, 0xFF60, 0xFF60, 0xFF60, 0xFF60,
                                   0xFF60, 0xFF60, 0xFF60, 0xFF60, 0x9088};
    std::size_t offsets[2] = {0, 0}; // in the satellites, in the channels
    for (int physical = 0; physical < 11; ++physical) {
        SCOPED_TRACE(physical);
        const bool satellite = physical < 2;
        const auto chunk = Slice(satellite ? kSatellites : kChannels, offsets[satellite ? 0 : 1], lengths[physical]);
        offsets[satellite ? 0 : 1] += lengths[physical];
        EXPECT_EQ((Image{'F', 'L', 'A', 'S', 'H', '0', '0', 0xFF}), Slice(bytes, SectorBase(physical) + 0x80, 8));
        const std::uint32_t header[] = {static_cast<std::uint32_t>(physical + 1), 0xAABBCCFF,
                                        static_cast<std::uint32_t>(physical), ByteSum(chunk),
                                        static_cast<std::uint32_t>(lengths[physical])}; // at 0x88, 0x8C, ...
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(header[i], Field(bytes, physical, 0x88 + 4 * i)) << i;
        EXPECT_EQ(chunk, Slice(bytes, SectorBase(physical) + 0xA0, chunk.size()));
    }
    EXPECT_EQ(Image(0x10000, 0xFF), Slice(bytes, SectorBase(11), 0x10000));
    EXPECT_EQ(11, image.FindFreeSector());
    Image satellites(kSatelliteRegionSize);
    EXPECT_EQ(kSatelliteRegionSize, image.ReadRegion(satellites, kSatelliteRegionFirstLogical));
    EXPECT_EQ(kSatellites, satellites);
    EXPECT_EQ(kChannels, ReadChannels(image, kChannelRegionSize));

    const auto once = bytes;
    WriteBoth(image, kSatellites, channels);
    EXPECT_EQ(once, bytes);

    // One byte in the channels' sixth chunk (logical 7) goes to the free physical 11 as generation 12.
    channels[5 * kChunkSize + 17] ^= 0x55;
    WriteBoth(image, kSatellites, channels);
    EXPECT_EQ(7u, Field(bytes, 11, 0x90));
    EXPECT_EQ(12u, Field(bytes, 11, 0x88));
    EXPECT_EQ(Slice(once, 0, SectorBase(11)), Slice(bytes, 0, SectorBase(11))); // old copy stays as it was
    EXPECT_EQ(11, image.BuildSectorMap().PhysicalOf(7));
    EXPECT_EQ(7, image.FindFreeSector());
    EXPECT_EQ(channels, ReadChannels(image, kChannelRegionSize));

    // The next change of the same chunk reuses physical 7, the lowest free one.
    channels[5 * kChunkSize] ^= 0x01;
    WriteBoth(image, kSatellites, channels);
    EXPECT_EQ(13u, Field(bytes, 7, 0x88));
    EXPECT_EQ(7, image.BuildSectorMap().PhysicalOf(7));

    // A logical sector that lost its valid copy reads as erased bytes.
    WriteLe32(bytes.data() + SectorBase(3) + 0x8C, 0xAABBFFFF); // logical 3 = channels' second chunk
    std::fill(channels.begin() + kChunkSize, channels.begin() + 2 * kChunkSize, 0xFF);
    EXPECT_EQ(channels, ReadChannels(image, kChannelRegionSize - kChunkSize));
}

// Which copy of logical 3 (or 5) counts: the newest valid one; ties keep the lower sector.
TEST(TableSectors, NewestValidCopyWinsAndInvalidCopiesAreIgnored) {
    const auto older = Pattern(0x100, 1), newer = Pattern(0x100, 2);
    auto bytes = MakeFreshImage();
    CraftSector(bytes, 4, 3, 9, older);
    CraftSector(bytes, 9, 3, 9, newer);
    EXPECT_EQ(4, StorageImage(bytes).BuildSectorMap().PhysicalOf(3));
    CraftSector(bytes, 9, 3, 10, newer);
    EXPECT_EQ(9, StorageImage(bytes).BuildSectorMap().PhysicalOf(3));
    CraftSector(bytes, 2, 3, 11, older);
    EXPECT_EQ(2, StorageImage(bytes).BuildSectorMap().PhysicalOf(3));
    EXPECT_EQ(0, StorageImage(bytes).FindFreeSector());

    const struct {
        const char* name;
        void (*damage)(Image&);
    } cases[] = {
        {"being written", [](Image& b) { WriteLe32(b.data() + SectorBase(0) + 0x8C, 0xAABBFFFF); }},
        {"wrong tag", [](Image& b) { b[SectorBase(0) + 0x86] = '1'; }},
        {"wrong checksum", [](Image& b) { b[SectorBase(0) + 0xA0] ^= 1; }},
        {"logical 11", [](Image& b) { WriteLe32(b.data() + SectorBase(0) + 0x90, 11); }},
        {"length beyond the sector", [](Image& b) { WriteLe32(b.data() + SectorBase(0) + 0x98, 0xFF61); }},
    };
    for (const auto& c : cases) {
        bytes = MakeFreshImage();
        CraftSector(bytes, 0, 5, 1, Pattern(0x200, 3));
        ASSERT_EQ(0, StorageImage(bytes).BuildSectorMap().PhysicalOf(5));
        c.damage(bytes);
        EXPECT_EQ(SectorMap::kNone, StorageImage(bytes).BuildSectorMap().PhysicalOf(5)) << c.name;
    }
}

// The next generation is one above the highest counted; near the top of the range the generations wrap (the
// wrapping rules themselves are pinned in the generation wrap test).
TEST(TableSectors, GenerationsCountWithRightTagAndChecksumAndWrapKeepingTheOrder) {
    auto bytes = MakeFreshImage();
    CraftSector(bytes, 0, 0, 0x500, Pattern(0x10, 1));
    bytes[SectorBase(0) + 0xA0] ^= 1;                             // bad checksum: counts as 0
    CraftSector(bytes, 1, 1, 0x40, Pattern(0x10, 2), 0xAABBFFFF); // not valid, but tag and sum right
    EXPECT_TRUE(StorageImage(bytes).WriteSector(Pattern(0x20, 3), 2, 4));
    EXPECT_EQ(0x41u, Field(bytes, 2, 0x88));

    // Low bits would let the older copy of logical 0 (0xF) overtake the current one (0x0): ranks instead.
    bytes = MakeFreshImage();
    CraftSector(bytes, 0, 0, 0xFFFFFF00, Pattern(0x10, 1));
    CraftSector(bytes, 1, 0, 0xFFFFFEFF, Pattern(0x10, 2));
    CraftSector(bytes, 2, 1, 0xFFFFFFFF, Pattern(0x10, 3));
    EXPECT_TRUE(StorageImage(bytes).WriteSector(Pattern(0x20, 4), 3, 2));
    for (const auto& [physical, generation] : {std::pair{0, 2u}, {1, 1u}, {2, 3u}, {3, 0x10u}})
        EXPECT_EQ(generation, Field(bytes, physical, 0x88)) << physical;
    for (int physical = 4; physical < 12; ++physical)
        EXPECT_EQ(0u, Field(bytes, physical, 0x88)) << "erased sectors count as 0";
    EXPECT_EQ((std::array<int, 11>{0, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1}),
              StorageImage(bytes).BuildSectorMap().physical);
}

TEST(TableSectors, StoredLengthsOtherThanTheChunkStayInsideTheirChunkAndCountAsChanged) {
    auto bytes = MakeFreshImage();
    const auto first = Pattern(0x100, 1);     // short copy of logical 0
    const auto last = Pattern(kChunkSize, 2); // logical 1 holds more than the region's last chunk
    CraftSector(bytes, 0, 0, 1, first);
    CraftSector(bytes, 1, 1, 2, last);
    Image buffer(kSatelliteRegionSize + 16, 0x5A);
    constexpr std::size_t kTail = kSatelliteRegionSize - kChunkSize;
    EXPECT_EQ(0x100 + kTail, StorageImage(bytes).ReadRegion(ByteSpan(buffer.data(), kSatelliteRegionSize), 0));
    EXPECT_EQ(first, Slice(buffer, 0, 0x100));
    EXPECT_EQ(Image(kChunkSize - 0x100, 0xFF), Slice(buffer, 0x100, kChunkSize - 0x100));
    EXPECT_EQ(Slice(last, 0, kTail), Slice(buffer, kChunkSize, kTail));
    EXPECT_EQ(Image(16, 0x5A), Slice(buffer, kSatelliteRegionSize, 16));

    // Same bytes first, but a longer stored length: rewritten.
    auto longer = Slice(kSatellites, kChunkSize, kTail);
    longer.resize(kChunkSize, 0xFF);
    bytes = MakeFreshImage();
    CraftSector(bytes, 0, 0, 1, Slice(kSatellites, 0, kChunkSize));
    CraftSector(bytes, 1, 1, 2, longer);
    EXPECT_EQ(kSatelliteRegionSize, StorageImage(bytes).WriteRegion(kSatellites, 0));
    EXPECT_EQ(1u, Field(bytes, 0, 0x88)); // logical 0 left alone
    EXPECT_EQ(1u, Field(bytes, 2, 0x90));
    EXPECT_EQ(3u, Field(bytes, 2, 0x88));
    EXPECT_EQ(kTail, Field(bytes, 2, 0x98));
}

TEST(GenerationWrap, LowBitsUnlessTheyWouldReorderCopiesOfOneLogicalSector) {
    const struct {
        const char* name;
        std::vector<SectorAge> ages;
        std::vector<std::uint32_t> wrapped;
    } cases[] = {
        // Copies of different logical sectors may reorder freely; invalid ones keep their counted generation's bits.
        {"low bits",
         {{0xFFFFFFFE, 0}, {0xFFFFFFF5, 0}, {0x00000021, 1}, {0, -1}, {0x12345678, -1}},
         {0xE, 0x5, 0x1, 0x0, 0x8}},
        {"ranks", {{0xFFFFFFE0, 4}, {0xFFFFFFDF, 4}, {0xFFFFFFDF, 2}, {0, -1}, {0x7, -1}}, {3, 2, 2, 0, 1}},
        {"equal stay equal", {{0x1F, 3}, {0x1F, 3}, {0x10, 3}}, {0xF, 0xF, 0x0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.wrapped, WrapGenerations(c.ages)) << c.name;
}

// Images shorter than a full one: what does not fit is absent, and nothing outside the image is touched.
constexpr std::uint8_t kGuard = 0x5A;

// The image is the first `size` bytes; the rest of the buffer is a guard that must never change.
Image GuardedImage(std::size_t size) {
    Image buffer(kFullImageSize + 0x100, kGuard);
    std::fill(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(size), 0xFF);
    return buffer;
}

bool GuardIntact(const Image& buffer, std::size_t size) {
    return std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(size), buffer.end(),
                       [](std::uint8_t b) { return b == kGuard; });
}

TEST(ImageSize, Model0ImageHasNoLastSectorAndAnySizeIsSafe) {
    auto buffer = GuardedImage(kModel0ImageSize);
    // A complete-looking sector 11 header inside the image must still not count.
    CraftSector(buffer, 11, 4, 99, Pattern(0x100, 1));
    std::fill(buffer.begin() + kModel0ImageSize, buffer.end(), kGuard);
    StorageImage image(ByteSpan(buffer.data(), kModel0ImageSize));
    EXPECT_FALSE(image.Sector(11).has_value());
    EXPECT_TRUE(image.Sector(10).has_value());
    EXPECT_EQ(SectorMap::kNone, image.BuildSectorMap().PhysicalOf(4));

    auto channels = Pattern(kChannelRegionSize, 3);
    EXPECT_EQ(kSatelliteRegionSize, image.WriteRegion(Pattern(kSatelliteRegionSize, 2), 0));
    EXPECT_EQ(kChannelRegionSize, image.WriteRegion(channels, 2));
    for (int logical = 0; logical < kLogicalSectorCount; ++logical)
        EXPECT_EQ(logical, image.BuildSectorMap().PhysicalOf(logical));
    EXPECT_EQ(StorageImage::kNone, image.FindFreeSector());

    // With every existing sector in use a changed chunk has nowhere to go: refused, nothing written.
    const auto full = buffer;
    channels[0] ^= 1;
    EXPECT_EQ(0u, image.WriteRegion(channels, 2));
    EXPECT_EQ(full, buffer);
    Image back(kChannelRegionSize);
    EXPECT_EQ(kChannelRegionSize, image.ReadRegion(back, 2));
    channels[0] ^= 1;
    EXPECT_EQ(channels, back);
    EXPECT_TRUE(GuardIntact(buffer, kModel0ImageSize));

    // Any size is safe, and settings need their pages inside the image.
    for (const std::size_t size : {0x0, 0x1800, 0x8800, 0x10000, 0x2FFFF, 0xCFFFF}) {
        SCOPED_TRACE(size);
        auto sized = GuardedImage(size);
        StorageImage any(ByteSpan(sized.data(), size));
        const auto record = Pattern(kSettingsRecordSize, 1);
        for (int i = 0; i < 12; ++i)
            any.WriteSettings(record);
        any.StoreSettings(record);
        Image read(kSettingsRecordSize);
        any.ReadSettings(read);
        any.WriteRegion(Pattern(kSatelliteRegionSize, 2), 0);
        any.WriteRegion(Pattern(kChannelRegionSize, 3), 2);
        Image region(kChannelRegionSize);
        any.ReadRegion(region, 2);
        EXPECT_TRUE(GuardIntact(sized, size));
    }
    buffer = GuardedImage(0x8800); // EEPROM1 fits, EEPROM0/0 does not
    StorageImage small(ByteSpan(buffer.data(), 0x8800));
    EXPECT_FALSE(small.Page(0).has_value());
    EXPECT_TRUE(small.Page(9).has_value());
    EXPECT_EQ(0, small.WriteSettings(Pattern(kSettingsRecordSize, 1)));
    EXPECT_EQ(StorageImage::kNone, small.CurrentSettingsPage());
}

} // namespace
} // namespace vorlane::testing
