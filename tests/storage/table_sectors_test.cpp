#include "image_builders.h"
#include "storage/generation_wrap.h"
#include "storage/storage_image.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using Image = std::vector<std::uint8_t>;
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

TEST(TableSectors, FirstWriteFillsPhysicalSectorsInOrderByteExactly) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    WriteBoth(image, kSatellites, kChannels);

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
}

TEST(TableSectors, RewritingWritesOnlyChangedChunks) {
    auto bytes = MakeFreshImage();
    StorageImage image(bytes);
    Image channels = kChannels;
    WriteBoth(image, kSatellites, channels);
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

} // namespace
} // namespace vorlane::testing
