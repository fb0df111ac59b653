#pragma once
// Adding a complete channel or transponder record to the tables and its lists.

#include "database/channel_database.h"

#include <cstdint>
#include <span>

namespace vorlane {

using ChannelRecordBytes = std::span<const std::uint8_t, kChannelRecordSize>;
using TransponderRecordBytes = std::span<const std::uint8_t, kTransponderRecordSize>;

// Copies the record into a free channel slot and lists each tuner side it is present on (a record of
// type 3, "none", is not listed) as the last entry of that side in its main, "fs", satellite,
// transponder and per-tuner lists. False when the table is full or the record is marked free.
// The caller sets the modified flag.
[[nodiscard]] bool AddChannel(ChannelDatabase& db, ChannelRecordBytes record);

// Copies the record into a free transponder slot and appends it to the whole transponder list, its
// satellite's transponder list and its band list (whose number goes into the band link). Sets the
// modified flag. False when the table is full or the record is marked free.
[[nodiscard]] bool AddTransponder(ChannelDatabase& db, TransponderRecordBytes record);

} // namespace vorlane
