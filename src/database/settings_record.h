#pragma once
// The receiver settings records of the database seen through their named fields.

#include "database/channel_database.h"
#include "settings/receiver_settings.h"

namespace vorlane {

// The current record: the scratch one of a new database, or the held one after a load or a store. The slot
// cursors and the defaults of a new database act on it.
inline ReceiverSettings CurrentReceiverSettings(ChannelDatabase& db) {
    return ReceiverSettings(db.currentSettings().first<ReceiverSettings::kSize>());
}

// The record that is loaded from and stored into images.
inline ReceiverSettings HeldReceiverSettings(ChannelDatabase& db) {
    return ReceiverSettings(db.heldSettings().first<ReceiverSettings::kSize>());
}

} // namespace vorlane
