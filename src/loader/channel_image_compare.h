#pragma once
// Compares a channel file as it was uploaded with the channel list read back from the receiver, counting the
// differing bytes per part of the image. The block header over the first bytes is left out: the receiver keeps
// a header of its own there, and the download rebuilds it.

#include "platform/bytes.h"
#include "platform/text_translator.h"

#include <array>
#include <cstddef>
#include <string>

namespace vorlane {

// The parts of a channel image a difference is counted in.
enum class ImagePart {
    SettingsPages,          // the first 64 KB
    SatellitesTransponders, // table sectors holding logical sectors 0-1
    Channels,               // table sectors holding logical sectors 2-10
    UnusedSectors,          // table sectors that hold no table in either image
};
inline constexpr std::size_t kImagePartCount = 4;

struct ChannelImageDifference {
    std::array<std::size_t, kImagePartCount> bytes{}; // differing bytes per ImagePart

    std::size_t Total() const;
    bool Equal() const { return Total() == 0; }
    std::size_t In(ImagePart part) const { return bytes[static_cast<std::size_t>(part)]; }
};

// Bytes at the same offset are compared; where one image is longer, each byte beyond the other counts as
// differing. A table sector belongs to the table its logical number names in `sent`, or else in `readBack`.
ChannelImageDifference CompareChannelImages(ConstByteSpan sent, ConstByteSpan readBack);

// The texts below are filed under the "UploadSafety" context.
// "settings pages", "satellites/transponders", "channels", "unused sectors".
const char* ImagePartName(ImagePart part);

// "13 bytes differ (satellites/transponders: 1, channels: 12)"; only the parts with differences are named.
std::string DescribeDifference(const ChannelImageDifference& difference, const TextTranslator& texts = EnglishTexts());

} // namespace vorlane
