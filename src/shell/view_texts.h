#pragma once
// The texts of the main view: the count labels above the panes and the information line for a chosen satellite,
// transponder, favourite group or channel. Bytes as stored (names are ISO-8859-1). Plain C++.

#include "database/channel_database.h"

#include <string>

namespace vorlane {

// "Satellite", "Satellite - 1 item", "Satellite - 64 items" for n = 0, 1, 64.
std::string CountLabelText(const char* caption, int count);
// A filtered channel pane: "TV - 12 of 948 items".
std::string FilteredCountLabelText(const char* caption, int shown, int total);

std::string SatelliteInformation(const ChannelDatabase& db, int satellite);
std::string TransponderInformation(const ChannelDatabase& db, int transponder);
std::string FavouriteInformation(ChannelDatabase& db, int group);
std::string ChannelInformation(const ChannelDatabase& db, int pk);

} // namespace vorlane
