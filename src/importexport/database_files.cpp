#include "importexport/database_files.h"

#include "blockfile/channel_file.h"
#include "blockfile/file_bytes.h"
#include "database/channel_database.h"
#include "database/database_image.h"
#include "database/database_lifecycle.h"
#include "database/settings_record.h"
#include "importexport/channel_list_importer.h"
#include "importexport/replace_file.h"
#include "importexport/satcodx_importer.h"
#include "importexport/satcodx_record.h"
#include "platform/trace.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace vorlane {
namespace {

constexpr std::string_view kChannelListMark = ":SAT";
// Opening any file makes the database the full-size receiver's.
constexpr int kOpenedReceiverModel = 1;

bool StartsWith(ConstByteSpan bytes, std::string_view mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

bool IsTextList(FileReader reader) {
    return reader == FileReader::Satcodx || reader == FileReader::ChannelList;
}

ImportResult ReadTextList(FileReader reader, ChannelDatabase& db, ConstByteSpan bytes) {
    return reader == FileReader::Satcodx ? SatcodxImporter::Read(db, bytes) : ChannelListImporter::Read(db, bytes);
}

// A text reader can refuse after it has written records, so it is first tried on tables of its own; the
// database is only touched once the file is known to be taken.
bool TextReaderAccepts(FileReader reader, ConstByteSpan bytes) {
    ChannelDatabase trial;
    trial.AllocateTables();
    return ReadTextList(reader, trial, bytes).accepted;
}

OpenResult Refused(FileReader reader, OpenRefusal refusal) {
    OpenResult result;
    result.reader = reader;
    result.refusal = refusal;
    return result;
}

// Rename would replace what writing in place refuses: a directory, or a file without write permission.
bool MayReplace(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0)
        return true;
    return S_ISREG(target.st_mode) && ::access(path.c_str(), W_OK) == 0;
}

} // namespace

const char* FileReaderName(FileReader reader) {
    switch (reader) {
    case FileReader::Satcodx:
        return "SATCODX";
    case FileReader::ChannelList:
        return "channel list";
    case FileReader::ChannelFile:
        return "channel file";
    case FileReader::None:
        break;
    }
    return "none";
}

FileReader RecogniseFile(ConstByteSpan bytes) {
    if (StartsWithSatcodxMark(bytes))
        return FileReader::Satcodx;
    if (StartsWith(bytes, kChannelListMark))
        return FileReader::ChannelList;
    return FileReader::ChannelFile;
}

bool StartLikeEditor(ChannelDatabase& db, int localYear) {
    ReceiverSettings held = HeldReceiverSettings(db);
    ApplyStartupSettings(held, localYear);
    return Init(db);
}

OpenResult OpenDatabaseFile(ChannelDatabase& db, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes))
        return Refused(FileReader::None, OpenRefusal::CannotRead);
    return OpenDatabaseFromBytes(db, std::move(bytes), path);
}

OpenResult OpenDatabaseFromBytes(ChannelDatabase& db, std::vector<std::uint8_t> bytes, const std::string& path) {
    FileReader reader = RecogniseFile(bytes);
    const bool channelFileLength = bytes.size() == kChannelFileSize;
    if (reader == FileReader::ChannelFile && !channelFileLength)
        return Refused(reader, OpenRefusal::WrongLength);
    if (IsTextList(reader) && !TextReaderAccepts(reader, bytes)) {
        if (!channelFileLength)
            return Refused(reader, OpenRefusal::NotAccepted);
        reader = FileReader::ChannelFile; // the last reader takes every buffer
    }

    db.SetReceiverModel(kOpenedReceiverModel);
    DebugOut("NEW model=%d\n", db.ReceiverModel());
    Clear(db);
    Deinit(db);
    // From here the old database is gone; a failure leaves an empty one without a file.
    const auto refuseEmptied = [&db, reader] {
        Clear(db);
        db.FileBuffer().clear();
        OpenResult refused = Refused(reader, OpenRefusal::CannotRead);
        refused.emptied = true;
        return refused;
    };
    if (!Init(db))
        return refuseEmptied();
    db.FileBuffer() = std::move(bytes);
    // A text list is never the file Save writes to: its channels become a channel file only where the user says.
    if (IsTextList(reader))
        db.SetImportedPath(path);
    else
        db.SetCurrentPath(path);
    db.SetModified(false);

    OpenResult result;
    result.accepted = true;
    result.reader = reader;
    if (IsTextList(reader))
        result.import = ReadTextList(reader, db, db.FileBuffer());
    else if (!LoadFromImage(db, db.FileBuffer()))
        return refuseEmptied();
    if (!db.BuildAllLists())
        return refuseEmptied();
    result.problems = CheckIntegrity(db);
    if (IsTextList(reader))
        for (const IntegrityProblem& problem : result.problems)
            DebugOut("import left a broken record: %s\n", IntegrityProblemLine(problem).c_str());
    return result;
}

std::string RecordsLeftOutText(const ImportResult& import) {
    std::string text;
    if (import.recordsNotFitted > 0)
        text = std::to_string(import.recordsNotFitted) + " records did not fit into the tables and were left out.";
    if (import.channelsWithoutTransponder > 0)
        text += (text.empty() ? "" : "\n") + std::to_string(import.channelsWithoutTransponder) +
                " channels came before any transponder of their satellite and were left out.";
    return text;
}

std::vector<IntegrityProblem> ChannelFileProblems(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes) || RecogniseFile(bytes) != FileReader::ChannelFile ||
        bytes.size() != kChannelFileSize)
        return {};
    ChannelDatabase db;
    StartLikeEditor(db);
    return OpenDatabaseFromBytes(db, std::move(bytes), path).problems;
}

std::string SaveAsOffer(const ChannelDatabase& db) {
    if (!db.CurrentPath().empty())
        return db.CurrentPath();
    const std::string& imported = db.ImportedPath();
    if (imported.empty())
        return {};
    const std::size_t nameStart = imported.find_last_of('/') + 1;
    const std::size_t dot = imported.find_last_of('.');
    const std::size_t stemEnd = dot == std::string::npos || dot < nameStart ? imported.size() : dot;
    return imported.substr(0, stemEnd) + kChannelFileExtension;
}

bool SaveDatabaseFile(ChannelDatabase& db, const std::string& path) {
    const std::vector<std::uint8_t> file = ChannelFileBytes(db);
    if (file.empty() || !MayReplace(path) || !ReplaceFile(path, file))
        return false;
    db.SetModified(false);
    return true;
}

} // namespace vorlane
