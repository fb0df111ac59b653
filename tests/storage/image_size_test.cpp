// Images shorter than a full one: what does not fit is absent, and nothing outside the image is touched.
#include "image_builders.h"
#include "storage/storage_image.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using Image = std::vector<std::uint8_t>;
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

TEST(ImageSize, Model0ImageHasNoLastSector) {
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
}

TEST(ImageSize, AnySizeIsSafeAndSettingsNeedTheirPagesInsideTheImage) {
    for (const std::size_t size : {0x0, 0x1800, 0x8800, 0x10000, 0x2FFFF, 0xCFFFF}) {
        SCOPED_TRACE(size);
        auto buffer = GuardedImage(size);
        StorageImage image(ByteSpan(buffer.data(), size));
        const auto record = Pattern(kSettingsRecordSize, 1);
        for (int i = 0; i < 12; ++i)
            image.WriteSettings(record);
        image.StoreSettings(record);
        Image read(kSettingsRecordSize);
        image.ReadSettings(read);
        image.WriteRegion(Pattern(kSatelliteRegionSize, 2), 0);
        image.WriteRegion(Pattern(kChannelRegionSize, 3), 2);
        Image channels(kChannelRegionSize);
        image.ReadRegion(channels, 2);
        EXPECT_TRUE(GuardIntact(buffer, size));
    }
    auto buffer = GuardedImage(0x8800); // EEPROM1 fits, EEPROM0/0 does not
    StorageImage image(ByteSpan(buffer.data(), 0x8800));
    EXPECT_FALSE(image.Page(0).has_value());
    EXPECT_TRUE(image.Page(9).has_value());
    EXPECT_EQ(0, image.WriteSettings(Pattern(kSettingsRecordSize, 1)));
    EXPECT_EQ(StorageImage::kNone, image.CurrentSettingsPage());
}

} // namespace
} // namespace vorlane::testing
