#pragma once
// What the fuzz targets share: a check that stops the run on a broken invariant, the integrity rule after an import,
// traces that are formatted but thrown away, and the program's one database made new the way Open makes it.

#include "database/channel_database.h"
#include "importexport/import_result.h"

namespace vorlane::fuzz {

// Aborts with `what` on stderr when `holds` is false, so the fuzzer keeps the input.
void Check(bool holds, const char* what);

// Every trace line is formatted (so a bad argument shows up under the sanitizers) and dropped.
void FormatAndDropTraces();

// The program's database, started like the editor on the first call.
ChannelDatabase& EditorDatabase();

// The editor's database made new for a full-size receiver as Open does (Clear, Deinit, Init).
ChannelDatabase& NewDatabaseAsOpenDoes();

// The editor's database with the tables of a new one, for a text reader: made new once as Open does, then on
// every call given those table bytes back. The readers write nothing but the tables and the lists are built
// from the tables after them, so for a reader this is a new database, at a fraction of Init's cost.
ChannelDatabase& DatabaseWithNewTables();

// The counts a reader reports can never exceed the tables.
void CheckImportCounts(const ImportResult& result);

// After an accepted import: the lists built as Open builds them, and the database passes the integrity check.
void BuildListsAndCheckSound(ChannelDatabase& db);

} // namespace vorlane::fuzz
