#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

using namespace vorlane;

TEST(ReceiverSettingsStore, DefaultsAreWrittenIntoTheImageAndReadBackUnchanged) {
    std::vector<std::uint8_t> image = MakeFreshImage();
    StorageImage storage{image};
    std::array<std::uint8_t, ReceiverSettings::kSize> bytes;
    bytes.fill(0x5A);
    ReceiverSettings settings{bytes};

    EXPECT_EQ(static_cast<int>(ReceiverSettings::kSize), SetDefaults(settings, storage));
    EXPECT_EQ("dArI01", settings.tag());

    std::array<std::uint8_t, ReceiverSettings::kSize> readBack{};
    EXPECT_EQ(static_cast<int>(ReceiverSettings::kSize), storage.ReadSettings(readBack));
    EXPECT_EQ(bytes, readBack);
}

TEST(ReceiverSettingsStore, TooSmallImageReportsZeroButStillFillsTheRecord) {
    std::vector<std::uint8_t> image(0x100, 0xFF);
    StorageImage storage{image};
    std::array<std::uint8_t, ReceiverSettings::kSize> bytes{};
    ReceiverSettings settings{bytes};
    EXPECT_EQ(0, SetDefaults(settings, storage));
    EXPECT_EQ("dArI01", settings.tag());
}
