#pragma once
// The channel list as CSV for spreadsheets: UTF-8, a header row, then one row per channel side in main-list
// order (tuner 1, then tuner 2; TV, radio, data).

#include "database/channel_database.h"

#include <string>

namespace vorlane {

inline constexpr const char* kCsvHeader = "Tuner,Type,Number,Name,Satellite,Frequency,Polarisation,Symbol rate,"
                                          "Program number,Favourite groups,Scrambled,Locked,Skipped";

std::string CsvListing(const ChannelDatabase& db);
// Creates or replaces the file with the listing, whole or not at all; false when it cannot be written.
[[nodiscard]] bool ExportCsv(const ChannelDatabase& db, const std::string& path);

// A field quoted when it holds a comma, a quote or a line end (quotes doubled).
std::string CsvField(const std::string& text);

} // namespace vorlane
