#include "loader/channel_image_compare.h"

#include "blockfile/block_header.h"
#include "storage/flash_sector.h"
#include "storage/image_layout.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace vorlane {
namespace {

std::optional<ImagePart> TablePartOf(ConstByteSpan image, std::size_t sectorStart) {
    if (sectorStart + FlashSector::kLogicalOffset + 4 > image.size())
        return std::nullopt;
    const std::uint32_t logical = ReadLe32(image, sectorStart + FlashSector::kLogicalOffset);
    if (logical >= static_cast<std::uint32_t>(kLogicalSectorCount))
        return std::nullopt;
    return static_cast<int>(logical) < kChannelRegionFirstLogical ? ImagePart::SatellitesTransponders
                                                                  : ImagePart::Channels;
}

ImagePart PartOfSector(ConstByteSpan sent, ConstByteSpan readBack, std::size_t sectorStart) {
    if (const auto part = TablePartOf(sent, sectorStart))
        return *part;
    return TablePartOf(readBack, sectorStart).value_or(ImagePart::UnusedSectors);
}

// Counts differing bytes in [begin, end); offsets present in only one image count as differing.
std::size_t CountDifferences(ConstByteSpan sent, ConstByteSpan readBack, std::size_t begin, std::size_t end) {
    const std::size_t common = std::clamp(std::min(sent.size(), readBack.size()), begin, end);
    std::size_t count = end - common;
    for (std::size_t offset = begin; offset < common; ++offset)
        count += sent[offset] != readBack[offset] ? 1 : 0;
    return count;
}

} // namespace

std::size_t ChannelImageDifference::Total() const {
    return std::accumulate(bytes.begin(), bytes.end(), std::size_t{0});
}

ChannelImageDifference CompareChannelImages(ConstByteSpan sent, ConstByteSpan readBack) {
    ChannelImageDifference difference;
    const std::size_t length = std::max(sent.size(), readBack.size());
    const std::size_t settingsEnd = std::min(length, kFirstSectorOffset);
    if (settingsEnd > block_header::kSize)
        difference.bytes[static_cast<std::size_t>(ImagePart::SettingsPages)] =
            CountDifferences(sent, readBack, block_header::kSize, settingsEnd);
    for (std::size_t start = kFirstSectorOffset; start < length; start += kSectorSize) {
        const ImagePart part = PartOfSector(sent, readBack, start);
        difference.bytes[static_cast<std::size_t>(part)] +=
            CountDifferences(sent, readBack, start, std::min(length, start + kSectorSize));
    }
    return difference;
}

const char* ImagePartName(ImagePart part) {
    switch (part) {
    case ImagePart::SettingsPages:
        return VORLANE_TRANSLATABLE("UploadSafety", "settings pages");
    case ImagePart::SatellitesTransponders:
        return VORLANE_TRANSLATABLE("UploadSafety", "satellites/transponders");
    case ImagePart::Channels:
        return VORLANE_TRANSLATABLE("UploadSafety", "channels");
    case ImagePart::UnusedSectors:
        return VORLANE_TRANSLATABLE("UploadSafety", "unused sectors");
    }
    return "";
}

std::string DescribeDifference(const ChannelImageDifference& difference, const TextTranslator& texts) {
    const std::size_t total = difference.Total();
    std::string parts;
    for (std::size_t part = 0; part < kImagePartCount; ++part) {
        if (difference.bytes[part] == 0)
            continue;
        parts += (parts.empty() ? "" : ", ") +
                 texts.Translate("UploadSafety", ImagePartName(static_cast<ImagePart>(part))) + ": " +
                 std::to_string(difference.bytes[part]);
    }
    const char* pattern = total == 1 ? VORLANE_TRANSLATABLE("UploadSafety", "%1 byte differs (%2)")
                                     : VORLANE_TRANSLATABLE("UploadSafety", "%1 bytes differ (%2)");
    return texts.Fill("UploadSafety", pattern, {std::to_string(total), parts});
}

} // namespace vorlane
