#pragma once
// The start of vorlane-cli's convert and export: a database as the editor has it when started, and a file opened
// into it with the editor's Open, with what the user is told on the way.

#include "database/channel_database.h"
#include "importexport/database_files.h"

namespace vorlane::cli {

// Prints "Failed to open file." and the reason on stderr when the file is refused (returns false), and on
// stdout how many records of a text list did not fit.
bool OpenAsEditor(ChannelDatabase& db, const char* command, const char* path);

// "Failed to open file." and the reason for a refused file, on stderr.
void PrintOpenRefusal(const OpenResult& result, const char* command, const char* path);

// Save as: prints "Complete to write file." on stdout, or "Failed to write file." on stderr (returns false).
bool SaveAsEditor(ChannelDatabase& db, const char* path);

} // namespace vorlane::cli
