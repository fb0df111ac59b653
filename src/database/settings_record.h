#pragma once
// The receiver settings records of the database seen through their named fields.

#include "database/channel_database.h"
#include "settings/receiver_settings.h"

namespace vorlane {

// The current record: the scratch one of a new database, or the held one after a load or a store. Only the slot
// cursors and the defaults of a new database act on it; the user never sees it.
inline ReceiverSettings CurrentReceiverSettings(ChannelDatabase& db) {
    return ReceiverSettings(db.CurrentSettings().first<ReceiverSettings::kSize>());
}

// The record that is loaded from and stored into images, and the one record the user sees and edits: the panes
// show its favourite group names, the rename and configuration dialogs edit it, and Save writes it.
inline ReceiverSettings HeldReceiverSettings(ChannelDatabase& db) {
    return ReceiverSettings(db.HeldSettings().first<ReceiverSettings::kSize>());
}

} // namespace vorlane
