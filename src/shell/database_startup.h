#pragma once
// What the main view's first update does to the program's one database: the start-up settings go into the held
// settings record, then the database is initialised for its receiver model (0 at start), so the program starts
// with the default satellites, no channels and the genre-named favourite groups.

#include "settings/settings_defaults.h"

namespace vorlane {

class ChannelDatabase;

// Reports what Init reports: 1, or 0 when the database could not be built.
int PrepareDatabaseAtStart(ChannelDatabase& database, int localYear = CurrentLocalYear());

} // namespace vorlane
