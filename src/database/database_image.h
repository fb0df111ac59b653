#pragma once
// Loading the database from a receiver storage image and storing it into a fresh one.

#include "database/channel_database.h"
#include "platform/bytes.h"

#include <cstdint>
#include <vector>

namespace vorlane {

// Reads the tables from the image's logical sectors (what no valid sector holds becomes free records), makes
// the held settings record current and reads it from the image (the factory defaults when the image has
// none), and cuts every satellite name to 15 characters. The caller builds the lists afterwards. False
// when the database has no tables.
[[nodiscard]] bool LoadFromImage(ChannelDatabase& db, ByteSpan image);

// Re-sorts the satellite, transponder and scrambling channel lists into main-list order and renumbers the
// favourite groups, writing the links back into the records; then writes both table regions and the held
// settings record (made current) into a fresh full-size image. Empty when the database has no tables.
std::vector<std::uint8_t> StoreIntoImage(ChannelDatabase& db);

} // namespace vorlane
