#include "image_builders.h"
#include "storage/storage_image.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

struct Regions {
    std::vector<std::uint8_t> satellites = Pattern(kSatelliteRegionSize, 100);
    std::vector<std::uint8_t> channels = Pattern(kChannelRegionSize, 200);
};

void WriteBoth(StorageImage& image, const Regions& regions) {
    EXPECT_EQ(kSatelliteRegionSize, image.WriteRegion(regions.satellites, kSatelliteRegionFirstLogical));
    EXPECT_EQ(kChannelRegionSize, image.WriteRegion(regions.channels, kChannelRegionFirstLogical));
}

std::uint32_t Field(const std::vector<std::uint8_t>& bytes, int physical, std::size_t offset) {
    return readLe32(bytes.data() + SectorBase(physical) + offset);
}

const std::vector<std::uint8_t> kFlashTag{'F', 'L', 'A', 'S', 'H', '0', '0'};

} // namespace

TEST(TableSectors, FreshImageReadsAsErasedRegions) {
    auto bytes = MakeFreshImage();
    const StorageImage image(bytes);
    const SectorMap map = image.BuildSectorMap();
    for (int logical = 0; logical < kLogicalSectorCount; ++logical)
        EXPECT_EQ(SectorMap::kNone, map.PhysicalOf(logical));
    EXPECT_EQ(0, image.FindFreeSector());

    std::vector<std::uint8_t> channels(kChannelRegionSize, 0);
    EXPECT_EQ(0u, image.ReadRegion(channels, kChannelRegionFirstLogical));
    EXPECT_EQ(std::vector<std::uint8_t>(kChannelRegionSize, 0xFF), channels);
}

TEST(TableSectors, FirstWriteFillsPhysicalSectorsInOrderByteExactly) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    const Regions regions;
    WriteBoth(image, regions);

    const std::vector<std::size_t> lengths{0xFF60, 0x3AF4, 0xFF60, 0xFF60, 0xFF60, 0xFF60,
                                           0xFF60, 0xFF60, 0xFF60, 0xFF60, 0x9088};
    std::size_t satelliteOffset = 0, channelOffset = 0;
    for (int physical = 0; physical < 11; ++physical) {
        SCOPED_TRACE(physical);
        const bool satellite = physical < 2;
        const auto& source = satellite ? regions.satellites : regions.channels;
        std::size_t& offset = satellite ? satelliteOffset : channelOffset;
        const auto chunk = Slice(source, offset, lengths[physical]);
        offset += lengths[physical];

        EXPECT_EQ(kFlashTag, Slice(bytes, SectorBase(physical) + 0x80, 7));
        EXPECT_EQ(0xFFu, bytes[SectorBase(physical) + 0x87]);
        EXPECT_EQ(static_cast<std::uint32_t>(physical + 1), Field(bytes, physical, 0x88));
        EXPECT_EQ(0xAABBCCFFu, Field(bytes, physical, 0x8C));
        EXPECT_EQ(static_cast<std::uint32_t>(physical), Field(bytes, physical, 0x90));
        EXPECT_EQ(ByteSum(chunk), Field(bytes, physical, 0x94));
        EXPECT_EQ(lengths[physical], Field(bytes, physical, 0x98));
        EXPECT_EQ(chunk, Slice(bytes, SectorBase(physical) + 0xA0, chunk.size()));
    }
    EXPECT_EQ(std::vector<std::uint8_t>(0x10000, 0xFF), Slice(bytes, SectorBase(11), 0x10000));
    EXPECT_EQ(11, image.FindFreeSector());

    Regions back{std::vector<std::uint8_t>(kSatelliteRegionSize), std::vector<std::uint8_t>(kChannelRegionSize)};
    EXPECT_EQ(kSatelliteRegionSize, image.ReadRegion(back.satellites, kSatelliteRegionFirstLogical));
    EXPECT_EQ(kChannelRegionSize, image.ReadRegion(back.channels, kChannelRegionFirstLogical));
    EXPECT_EQ(regions.satellites, back.satellites);
    EXPECT_EQ(regions.channels, back.channels);
}

TEST(TableSectors, RewritingWritesOnlyChangedChunks) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    Regions regions;
    WriteBoth(image, regions);
    const auto once = bytes;
    WriteBoth(image, regions);
    EXPECT_EQ(once, bytes);

    // One byte in the channels' sixth chunk (logical 7) goes to the free physical 11 as generation 12.
    regions.channels[5 * kChunkSize + 17] ^= 0x55;
    WriteBoth(image, regions);
    EXPECT_EQ(7u, Field(bytes, 11, 0x90));
    EXPECT_EQ(12u, Field(bytes, 11, 0x88));
    EXPECT_EQ(Slice(once, 0, SectorBase(11)), Slice(bytes, 0, SectorBase(11))); // old copy stays as it was
    EXPECT_EQ(11, image.BuildSectorMap().PhysicalOf(7));
    EXPECT_EQ(7, image.FindFreeSector());

    std::vector<std::uint8_t> channels(kChannelRegionSize);
    image.ReadRegion(channels, kChannelRegionFirstLogical);
    EXPECT_EQ(regions.channels, channels);

    // The next change of the same chunk reuses physical 7, the lowest free one.
    regions.channels[5 * kChunkSize] ^= 0x01;
    WriteBoth(image, regions);
    EXPECT_EQ(13u, Field(bytes, 7, 0x88));
    EXPECT_EQ(7, image.BuildSectorMap().PhysicalOf(7));
}

TEST(TableSectors, NewestValidCopyWinsAndTiesKeepTheLowerSector) {
    auto bytes = MakeFreshImage();
    const auto older = Pattern(0x100, 1), newer = Pattern(0x100, 2);
    CraftSector(bytes, 4, 3, 9, older);
    CraftSector(bytes, 9, 3, 9, newer);
    EXPECT_EQ(4, StorageImage(bytes).BuildSectorMap().PhysicalOf(3));
    CraftSector(bytes, 9, 3, 10, newer);
    EXPECT_EQ(9, StorageImage(bytes).BuildSectorMap().PhysicalOf(3));
    CraftSector(bytes, 2, 3, 11, older);
    EXPECT_EQ(2, StorageImage(bytes).BuildSectorMap().PhysicalOf(3));
    EXPECT_EQ(0, StorageImage(bytes).FindFreeSector());
}

TEST(TableSectors, InvalidSectorsAreIgnored) {
    const auto data = Pattern(0x200, 3);
    struct Case {
        const char* name;
        void (*damage)(std::vector<std::uint8_t>&);
    };
    const std::vector<Case> cases{
        {"being written", [](auto& b) { writeLe32(b.data() + SectorBase(0) + 0x8C, 0xAABBFFFF); }},
        {"wrong tag", [](auto& b) { b[SectorBase(0) + 0x86] = '1'; }},
        {"wrong checksum", [](auto& b) { b[SectorBase(0) + 0xA0] ^= 1; }},
        {"logical 11", [](auto& b) { writeLe32(b.data() + SectorBase(0) + 0x90, 11); }},
        {"length beyond the sector", [](auto& b) { writeLe32(b.data() + SectorBase(0) + 0x98, 0xFF61); }},
    };
    for (const Case& c : cases) {
        auto bytes = MakeFreshImage();
        CraftSector(bytes, 0, 5, 1, data);
        ASSERT_EQ(0, StorageImage(bytes).BuildSectorMap().PhysicalOf(5));
        c.damage(bytes);
        EXPECT_EQ(SectorMap::kNone, StorageImage(bytes).BuildSectorMap().PhysicalOf(5)) << c.name;
    }
}

TEST(TableSectors, GenerationsCountOnlyWithRightTagAndChecksum) {
    auto bytes = MakeFreshImage();
    CraftSector(bytes, 0, 0, 0x500, Pattern(0x10, 1));
    bytes[SectorBase(0) + 0xA0] ^= 1;                             // bad checksum: counts as 0
    CraftSector(bytes, 1, 1, 0x40, Pattern(0x10, 2), 0xAABBFFFF); // not valid, but tag and sum right
    StorageImage image(bytes);
    EXPECT_TRUE(image.WriteSector(Pattern(0x20, 3), 2, 4));
    EXPECT_EQ(0x41u, Field(bytes, 2, 0x88));
}

TEST(TableSectors, GenerationWrapKeepsLowBitsAndRestartsAt0x10) {
    auto bytes = MakeFreshImage();
    CraftSector(bytes, 0, 0, 0xFFFFFFFF, Pattern(0x10, 1));
    CraftSector(bytes, 1, 1, 0xFFFFFFFE, Pattern(0x10, 2));
    CraftSector(bytes, 3, 2, 0x12345673, Pattern(0x10, 3));
    StorageImage image(bytes);
    EXPECT_TRUE(image.WriteSector(Pattern(0x20, 4), 2, 5));
    EXPECT_EQ(0x10u, Field(bytes, 2, 0x88));
    EXPECT_EQ(0xFu, Field(bytes, 0, 0x88));
    EXPECT_EQ(0xEu, Field(bytes, 1, 0x88));
    EXPECT_EQ(0x3u, Field(bytes, 3, 0x88));
    for (int physical = 4; physical < 12; ++physical)
        EXPECT_EQ(0u, Field(bytes, physical, 0x88)) << physical; // erased sectors count as 0
    const SectorMap map = image.BuildSectorMap();
    EXPECT_EQ((std::array<int, 11>{0, 1, 3, -1, -1, 2, -1, -1, -1, -1, -1}), map.physical);
    EXPECT_TRUE(image.WriteSector(Pattern(0x20, 5), 4, 6));
    EXPECT_EQ(0x11u, Field(bytes, 4, 0x88));
}

TEST(TableSectors, GenerationWrapNeverLetsAnOlderCopyOvertakeTheCurrentOne) {
    auto bytes = MakeFreshImage();
    const auto current = Pattern(0x10, 1);
    CraftSector(bytes, 0, 0, 0xFFFFFF00, current);
    CraftSector(bytes, 1, 0, 0xFFFFFEFF, Pattern(0x10, 2)); // older copy of logical 0; low bits 0xF
    CraftSector(bytes, 2, 1, 0xFFFFFFFF, Pattern(0x10, 3));
    StorageImage image(bytes);
    EXPECT_TRUE(image.WriteSector(Pattern(0x20, 4), 3, 2));
    EXPECT_EQ(2u, Field(bytes, 0, 0x88));
    EXPECT_EQ(1u, Field(bytes, 1, 0x88));
    EXPECT_EQ(3u, Field(bytes, 2, 0x88));
    EXPECT_EQ(0x10u, Field(bytes, 3, 0x88));
    EXPECT_EQ(0, image.BuildSectorMap().PhysicalOf(0));
}

TEST(TableSectors, MissingLogicalSectorReadsAsErasedBytes) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    const Regions regions;
    WriteBoth(image, regions);
    writeLe32(bytes.data() + SectorBase(3) + 0x8C, 0xAABBFFFF); // logical 3 = channels' second chunk

    std::vector<std::uint8_t> channels(kChannelRegionSize, 0);
    EXPECT_EQ(kChannelRegionSize - kChunkSize, image.ReadRegion(channels, kChannelRegionFirstLogical));
    auto expected = regions.channels;
    std::fill(expected.begin() + kChunkSize, expected.begin() + 2 * kChunkSize, 0xFF);
    EXPECT_EQ(expected, channels);
}

TEST(TableSectors, StoredLengthsOtherThanTheChunkStayInsideTheirChunk) {
    auto bytes = MakeFreshImage();
    const auto first = Pattern(0x100, 1);     // short copy of logical 0
    const auto last = Pattern(kChunkSize, 2); // logical 1 holds more than the region's last chunk
    CraftSector(bytes, 0, 0, 1, first);
    CraftSector(bytes, 1, 1, 2, last);

    std::vector<std::uint8_t> buffer(kSatelliteRegionSize + 16, 0x5A);
    const ByteSpan region(buffer.data(), kSatelliteRegionSize);
    EXPECT_EQ(0x100 + (kSatelliteRegionSize - kChunkSize), StorageImage(bytes).ReadRegion(region, 0));
    EXPECT_EQ(first, Slice(buffer, 0, 0x100));
    EXPECT_EQ(std::vector<std::uint8_t>(kChunkSize - 0x100, 0xFF), Slice(buffer, 0x100, kChunkSize - 0x100));
    EXPECT_EQ(Slice(last, 0, kSatelliteRegionSize - kChunkSize),
              Slice(buffer, kChunkSize, kSatelliteRegionSize - kChunkSize));
    EXPECT_EQ(std::vector<std::uint8_t>(16, 0x5A), Slice(buffer, kSatelliteRegionSize, 16));
}

TEST(TableSectors, StoredCopyWithAnotherLengthCountsAsChanged) {
    const auto satellites = Pattern(kSatelliteRegionSize, 7);
    auto longer = Slice(satellites, kChunkSize, kSatelliteRegionSize - kChunkSize);
    longer.resize(kChunkSize, 0xFF); // same bytes first, but a longer stored length
    auto bytes = MakeFreshImage();
    CraftSector(bytes, 0, 0, 1, Slice(satellites, 0, kChunkSize));
    CraftSector(bytes, 1, 1, 2, longer);
    StorageImage image(bytes);
    EXPECT_EQ(kSatelliteRegionSize, image.WriteRegion(satellites, 0));
    EXPECT_EQ(1u, Field(bytes, 0, 0x88)); // logical 0 left alone
    EXPECT_EQ(1u, Field(bytes, 2, 0x90));
    EXPECT_EQ(3u, Field(bytes, 2, 0x88));
    EXPECT_EQ(kSatelliteRegionSize - kChunkSize, Field(bytes, 2, 0x98));
}

TEST(TableSectors, RegionsBeyondTheLogicalSectorsAreRefused) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    const auto fresh = bytes;
    EXPECT_EQ(0u, image.WriteRegion(Pattern(kChannelRegionSize, 1), 3)); // would need logical 11
    EXPECT_EQ(0u, image.WriteRegion(Pattern(0x100, 1), -1));
    EXPECT_FALSE(image.WriteSector(Pattern(0x100, 1), 0, 11));
    EXPECT_FALSE(image.WriteSector(Pattern(kChunkSize + 1, 1), 0, 0));
    EXPECT_FALSE(image.WriteSector(Pattern(0x100, 1), 12, 0));
    EXPECT_EQ(fresh, bytes);
}
