#pragma once
// Set defaults as a new receiver image needs it: the factory record, written into the image's settings pages.

#include "settings/receiver_settings.h"
#include "storage/storage_image.h"

namespace vorlane {

// Fills the record with the factory defaults and writes it into the image; reports what the image's
// settings write reports (the record length, or 0 when it could not be written).
int SetDefaults(ReceiverSettings& settings, StorageImage& image);

} // namespace vorlane
