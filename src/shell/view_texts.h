#pragma once
// The texts of the main view in the user's language: the count labels above the panes and the information line
// for a chosen satellite, transponder, favourite group or channel. Names are stored as ISO-8859-1.

#include "database/channel_database.h"
#include "listtools/channel_entries.h"

#include <QString>

namespace vorlane {

enum class PaneCaption { Satellite, Transponder, Tv, Radio };

// "Satellite", "Satellite - 1 item", "Satellite - 64 items" for n = 0, 1, 64.
QString CountLabelText(PaneCaption caption, int count);
// A filtered channel pane: "TV - 12 of 948 items".
QString FilteredCountLabelText(PaneCaption caption, int shown, int total);
// "TV" or "Radio", as the channel lists name them.
QString ServiceTypeText(ServiceType type);

QString SatelliteInformation(const ChannelDatabase& db, int satellite);
QString TransponderInformation(const ChannelDatabase& db, int transponder);
QString FavouriteInformation(ChannelDatabase& db, int group);
QString ChannelInformation(const ChannelDatabase& db, Pk pk);

} // namespace vorlane
