#pragma once
// A channel file built without the database: a settings page, the satellite/transponder sectors filled with a
// pattern, and `channels` used channel records (on tuner 1; every other one on tuner 2 too) in the channel
// sectors. Physical sectors 0-1 then hold logical sectors 0-1, sectors 2-10 the channels, sector 11 is free.

#include "blockfile/block_header.h"
#include "database/channel_record.h"
#include "database/table_layout.h"
#include "storage/storage_image.h"

#include <cstdint>
#include <vector>

namespace vorlane::testing {

inline std::vector<std::uint8_t> SampleChannelFile(std::uint8_t seed, int channels) {
    std::vector<std::uint8_t> image = MakeFreshImage();
    StorageImage storage(image);
    storage.WriteSettings(std::vector<std::uint8_t>(kSettingsRecordSize, seed));
    std::vector<std::uint8_t> satellites(kSatelliteRegionSize);
    for (std::size_t i = 0; i < satellites.size(); ++i)
        satellites[i] = static_cast<std::uint8_t>(seed + i * 7);
    storage.WriteRegion(satellites, kSatelliteRegionFirstLogical);
    std::vector<std::uint8_t> region(kChannelRegionSize, 0xFF);
    for (int slot = 0; slot < channels; ++slot) {
        const ChannelRecord record(region.data() + kChannelTableOffset + kChannelRecordSize * std::size_t(slot));
        std::fill_n(record.RecordBytes(), kChannelRecordSize, static_cast<std::uint8_t>(seed + slot));
        record.RecordBytes()[0] = 'A'; // not the free-record mark
        record.RecordBytes()[ChannelRecord::kPresence] = 1;
        record.RecordBytes()[ChannelRecord::kPresence + 1] = slot % 2 == 0 ? 1 : 0;
    }
    storage.WriteRegion(region, kChannelRegionFirstLogical);
    if (!WriteChannelBlockHeader(image))
        image.clear(); // a sample without its header would make every test that reads it fail
    return image;
}

} // namespace vorlane::testing
