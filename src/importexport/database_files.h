#pragma once
// The editor's file commands on the database, shared by the editor and vorlane-cli: start as the editor
// starts, open a file the way Open does (whole file read first, kind recognised by content, the reader that
// takes it, lists built, current path and modified flag), and save the database as a channel file.

#include "database/integrity_check.h"
#include "importexport/import_result.h"
#include "platform/bytes.h"
#include "settings/settings_defaults.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

class ChannelDatabase;

// The texts the user is shown for the results of Open, Save and Save as.
inline constexpr const char* kOpenFailedText = "Failed to open file.";
inline constexpr const char* kWriteCompleteText = "Complete to write file.";
inline constexpr const char* kWriteFailedText = "Failed to write file.";

// The reader a file's content asks for.
enum class FileReader {
    None,
    Satcodx,     // begins with "SATCODX103", "SATCODX104" or "SATCODX105"; any length
    ChannelList, // begins with ":SAT"; any length
    ChannelFile, // anything else; must be exactly a channel file's length
};

// A short English name for tools: "SATCODX", "channel list", "channel file", "none".
const char* FileReaderName(FileReader reader);

FileReader RecogniseFile(ConstByteSpan bytes);

enum class OpenRefusal {
    None,
    CannotRead,  // the file cannot be opened or read, or there is no memory for its tables and lists
    WrongLength, // not a text list, and not exactly a channel file's length
    NotAccepted, // a text list its reader refuses, of another length than a channel file's
};

struct OpenResult {
    bool accepted = false;
    FileReader reader = FileReader::None; // who took the file; for a refusal, who would have
    OpenRefusal refusal = OpenRefusal::None;
    bool emptied = false;                   // refused after the old database was given up: it is empty now
    ImportResult import;                    // what a text reader wrote and how many records did not fit
    std::vector<IntegrityProblem> problems; // what the integrity check finds in the opened database
};

// What Open tells the user about the records of a text list it left out, in one message; empty when none were.
std::string RecordsLeftOutText(const ImportResult& import);

// The database as the editor has it at start: the start-up settings applied to the held settings record, then
// a new database for the current receiver model. Reports what Init reports.
bool StartLikeEditor(ChannelDatabase& db, int localYear = CurrentLocalYear());

// Open: reads the whole file, then OpenDatabaseFromBytes.
OpenResult OpenDatabaseFile(ChannelDatabase& db, const std::string& path);

// Open with the file's bytes already read. A refused file leaves the database, its current path and its
// modified flag exactly as they were, unless memory for the new database ran out after the old one was given up:
// then the database is left empty, without a file or file buffer, and `emptied` says so. An accepted one sets the
// receiver model to 1, makes a new database, keeps the bytes as the file buffer and `path` as the current path (as the
// imported path for a text list, which leaves no current path), clears the modified flag, lets the first reader that
// accepts the bytes fill the tables (SATCODX, channel list, channel file: a text list of a channel file's length that
// its reader refuses is read as a channel file), builds every list and runs the integrity check. A text reader must
// never leave a problem behind; one that does is traced.
OpenResult OpenDatabaseFromBytes(ChannelDatabase& db, std::vector<std::uint8_t> bytes, const std::string& path);

// What the integrity check finds in the database a channel file opens into; nothing for a file that cannot be
// read or is not a channel file (a text list, a block file of another length).
std::vector<IntegrityProblem> ChannelFileProblems(const std::string& path);

// The extension of channel files.
inline constexpr const char* kChannelFileExtension = ".bin";

// The name Save as offers: the current file, or after a text import the imported file's name with the channel
// file extension in place of its own; empty when there is neither.
std::string SaveAsOffer(const ChannelDatabase& db);

// Save and Save as: writes the database as a channel file to `path`, replacing an existing file only once the
// new one is complete on disk. Success reports true and clears the modified flag. Failure reports false and leaves the
// old file, the modified flag and the data as they were; an existing target that is no plain file or may not
// be written is not replaced. The current path never changes.
[[nodiscard]] bool SaveDatabaseFile(ChannelDatabase& db, const std::string& path);

} // namespace vorlane
