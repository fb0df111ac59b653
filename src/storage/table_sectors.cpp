// The table regions in logical sectors. A rewritten chunk goes to a free physical sector with a generation
// above all others; the old copy stays valid but older until its sector is reused.
#include "storage/checksum.h"
#include "storage/generation_wrap.h"
#include "storage/storage_image.h"

#include <algorithm>
#include <limits>

namespace vorlane {

namespace {

constexpr std::uint32_t kLastGeneration = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kFirstGenerationAfterWrap = 0x10;

std::size_t ChunkCount(std::size_t regionSize) {
    return (regionSize + kChunkSize - 1) / kChunkSize;
}

} // namespace

SectorMap StorageImage::BuildSectorMap() const {
    return MapOf(SurveySectors());
}

StorageImage::SectorSurvey StorageImage::SurveySectors() const {
    SectorSurvey survey;
    for (int physical = 0; physical < kPhysicalSectorCount; ++physical)
        if (const std::optional<FlashSector> sector = Sector(physical))
            survey[static_cast<std::size_t>(physical)] =
                SectorAge{sector->CountedGeneration(), sector->IsValid() ? static_cast<int>(sector->Logical()) : -1};
    return survey;
}

SectorMap StorageImage::MapOf(const SectorSurvey& survey) {
    SectorMap map;
    map.physical.fill(SectorMap::kNone);
    std::array<std::uint32_t, kLogicalSectorCount> generations{};
    for (int physical = 0; physical < kPhysicalSectorCount; ++physical) {
        const std::optional<SectorAge>& age = survey[static_cast<std::size_t>(physical)];
        if (!age || age->logical < 0)
            continue;
        const auto logical = static_cast<std::size_t>(age->logical);
        // Ties keep the lower physical sector.
        if (map.physical[logical] == SectorMap::kNone || age->generation > generations[logical]) {
            map.physical[logical] = physical;
            generations[logical] = age->generation;
        }
    }
    return map;
}

int StorageImage::FreeSectorIn(const SectorMap& map) const {
    for (int physical = 0; physical < kPhysicalSectorCount; ++physical)
        if (Sector(physical) && !map.Names(physical))
            return physical;
    return kNone;
}

int StorageImage::FindFreeSector() const {
    return FreeSectorIn(BuildSectorMap());
}

std::size_t StorageImage::ReadRegion(ByteSpan region, int firstLogical) const {
    const SectorMap map = BuildSectorMap();
    std::size_t copied = 0;
    int logical = firstLogical;
    for (std::size_t offset = 0; offset < region.size(); offset += kChunkSize, ++logical) {
        const ByteSpan part = region.subspan(offset, std::min(kChunkSize, region.size() - offset));
        ConstByteSpan data;
        if (const int physical = map.PhysicalOf(logical); physical != SectorMap::kNone)
            data = Sector(physical)->StoredData();
        // Each chunk keeps its place in the region, so a short or overlong copy cannot shift or overrun the rest.
        data = data.first(std::min(data.size(), part.size()));
        std::copy(data.begin(), data.end(), part.begin());
        std::fill(part.begin() + static_cast<std::ptrdiff_t>(data.size()), part.end(), 0xFF);
        copied += data.size();
    }
    return copied;
}

std::size_t StorageImage::WriteRegion(ConstByteSpan region, int firstLogical) {
    const auto chunkCount = static_cast<int>(ChunkCount(region.size()));
    if (firstLogical < 0 || firstLogical + chunkCount > kLogicalSectorCount)
        return 0;
    SectorSurvey survey = SurveySectors();
    int logical = firstLogical;
    for (std::size_t offset = 0; offset < region.size(); offset += kChunkSize, ++logical) {
        const ConstByteSpan chunk = region.subspan(offset, std::min(kChunkSize, region.size() - offset));
        const SectorMap map = MapOf(survey);
        const int current = map.PhysicalOf(logical);
        if (current != SectorMap::kNone && std::ranges::equal(Sector(current)->StoredData(), chunk))
            continue;
        const int free = FreeSectorIn(map);
        if (free == kNone || !WriteSurveyedSector(chunk, free, logical, survey))
            return 0;
    }
    return region.size();
}

bool StorageImage::WriteSector(ConstByteSpan chunk, int physical, int logical) {
    SectorSurvey survey = SurveySectors();
    return WriteSurveyedSector(chunk, physical, logical, survey);
}

bool StorageImage::WriteSurveyedSector(ConstByteSpan chunk, int physical, int logical, SectorSurvey& survey) {
    std::optional<FlashSector> sector = Sector(physical);
    if (!sector || chunk.size() > FlashSector::kDataCapacity || logical < 0 || logical >= kLogicalSectorCount)
        return false;
    const std::uint32_t generation = NextGeneration(physical, survey);
    sector->Write(chunk, static_cast<std::uint32_t>(logical), generation);
    survey[static_cast<std::size_t>(physical)] = SectorAge{generation, logical};
    return true;
}

std::uint32_t StorageImage::NextGeneration(int physical, SectorSurvey& survey) {
    std::vector<int> others;
    std::vector<SectorAge> ages;
    for (int other = 0; other < kPhysicalSectorCount; ++other) {
        const std::optional<SectorAge>& age = survey[static_cast<std::size_t>(other)];
        if (other == physical || !age)
            continue;
        others.push_back(other);
        ages.push_back(*age);
    }
    std::uint32_t newest = 0;
    for (const SectorAge& age : ages)
        newest = std::max(newest, age.generation);
    if (newest != kLastGeneration)
        return newest + 1;
    const std::vector<std::uint32_t> wrapped = WrapGenerations(ages);
    for (std::size_t i = 0; i < others.size(); ++i) {
        Sector(others[i])->SetGeneration(wrapped[i]);
        // The generation word is outside the summed data, so the sector's validity is unchanged.
        survey[static_cast<std::size_t>(others[i])]->generation = wrapped[i];
    }
    return kFirstGenerationAfterWrap;
}

} // namespace vorlane
