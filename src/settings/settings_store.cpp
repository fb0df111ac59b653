#include "settings/settings_store.h"

#include "settings/settings_defaults.h"

namespace vorlane {

int SetDefaults(ReceiverSettings& settings, StorageImage& image) {
    FillDefaults(settings);
    return image.WriteSettings(settings.bytes());
}

} // namespace vorlane
