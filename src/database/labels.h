#pragma once
// The texts under which satellites and transponders are listed, and the empty-satellite test.

#include "database/channel_database.h"

#include <cstdint>
#include <string>

namespace vorlane {

// "name [tv:radio]" from the satellite's TV and radio channel lists; empty for an address outside
// the satellite table.
std::string SatelliteLabel(const ChannelDatabase& db, const std::uint8_t* record);

// "frequency polarisation symbolrate [tv:radio]"; empty for an address outside the transponder table.
std::string TransponderLabel(const ChannelDatabase& db, const std::uint8_t* record);

// True when the satellite has no TV and no radio channels, or when either of those lists is missing.
bool IsSatelliteEmpty(const ChannelDatabase& db, int satellite);

} // namespace vorlane
