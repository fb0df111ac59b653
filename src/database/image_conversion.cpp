#include "database/image_conversion.h"

#include "settings/settings_store.h"
#include "storage/storage_image.h"

namespace vorlane {

std::vector<std::uint8_t> MakeScratchImage(int receiverModel) {
    return MakeFreshImage(receiverModel == 1 ? kFullImageSize : kModel0ImageSize);
}

int ApplySettingsDefaults(ReceiverSettings settings, ByteSpan image) {
    StorageImage storage(image);
    return SetDefaults(settings, storage);
}

void ReadTableRegions(ByteSpan image, TableRegions regions) {
    const StorageImage storage(image);
    storage.ReadRegion(regions.satellites, kSatelliteRegionFirstLogical);
    storage.ReadRegion(regions.channels, kChannelRegionFirstLogical);
}

bool ReadSettingsRecord(ByteSpan image, ReceiverSettings settings) {
    StorageImage storage(image);
    if (storage.ReadSettings(settings.bytes()) > 0)
        return true;
    SetDefaults(settings, storage);
    return false;
}

std::vector<std::uint8_t> WriteFreshImage(ConstTableRegions regions, ConstByteSpan settings) {
    std::vector<std::uint8_t> bytes = MakeFreshImage(kFullImageSize);
    StorageImage storage(bytes);
    storage.WriteRegion(regions.satellites, kSatelliteRegionFirstLogical);
    storage.WriteRegion(regions.channels, kChannelRegionFirstLogical);
    storage.StoreSettings(settings);
    return bytes;
}

} // namespace vorlane
