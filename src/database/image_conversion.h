#pragma once
// Moving the database's bytes between a receiver storage image and the working buffers: the two table
// regions and the settings record. Works on plain byte spans so that the database code needs no image types.

#include "platform/bytes.h"
#include "settings/receiver_settings.h"

#include <cstdint>
#include <vector>

namespace vorlane {

// The two stored regions: satellites with transponders, and channels.
struct TableRegions {
    ByteSpan satellites;
    ByteSpan channels;
};

struct ConstTableRegions {
    ConstByteSpan satellites;
    ConstByteSpan channels;
};

// A blank image (every byte 0xFF) of the size a receiver model's flash has: model 1 the full image,
// any other the shorter model-0 image.
std::vector<std::uint8_t> MakeScratchImage(int receiverModel);

// Fills the record with the factory defaults and writes it into the image's settings pages; reports
// the bytes written.
int ApplySettingsDefaults(ReceiverSettings settings, ByteSpan image);

// Fills both regions from their logical sectors; what no valid sector holds reads as 0xFF (free records).
void ReadTableRegions(ByteSpan image, TableRegions regions);

// Copies the record from the image's current settings page. Without one, or when it is empty, the record
// gets the factory defaults, which are also written into the image. True when the record came from
// the image, false when it got the defaults.
bool ReadSettingsRecord(ByteSpan image, ReceiverSettings settings);

// A full-size blank image holding both regions in their logical sectors and the settings record in its
// first settings page.
std::vector<std::uint8_t> WriteFreshImage(ConstTableRegions regions, ConstByteSpan settings);

} // namespace vorlane
