// vorlane-cli info: what a file is and, for the files Open reads, what the database made from it holds.

#include "blockfile/block_file_reader.h"
#include "blockfile/block_table.h"
#include "blockfile/channel_file.h"
#include "blockfile/file_bytes.h"
#include "cli/block_listing.h"
#include "cli/cli_command.h"
#include "cli/file_arguments.h"
#include "cli/json_text.h"
#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "storage/storage_image.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace vorlane::cli {
namespace {

void PrintInfoUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli info [--json] FILE\n\n"
               "Tells what FILE is: a channel file, a SATCODX file or a channel list (then, after opening it as\n"
               "the editor does, the satellites, the transponders and the TV, radio and data channels on each\n"
               "tuner, and whether the file carries a receiver settings record), or a block file with its blocks.\n"
               "--json prints one JSON object instead. Exit status 1 for a file none of these readers takes.\n",
               out);
}

struct TunerCounts {
    int tv = 0;
    int radio = 0;
    int data = 0;
};

struct DatabaseSummary {
    int satellites = 0;
    int satellitesWithTransponders = 0;
    int transponders = 0;
    std::array<TunerCounts, kTunerCount> tuners;
    bool settingsRecordFound = false;
    int recordsNotFitted = 0;
    int channelsWithoutTransponder = 0;
};

int ListCount(const ChannelDatabase& db, ListKind kind, int instance = 0) {
    const ListHead* head = db.Lists().Head(kind, instance);
    return head ? head->count : 0;
}

DatabaseSummary Summarise(const ChannelDatabase& db) {
    DatabaseSummary summary;
    summary.satellites = ListCount(db, ListKind::Satellites);
    for (int i = 0; i < kSatelliteCount; ++i)
        summary.satellitesWithTransponders += ListCount(db, ListKind::SatelliteTransponders, i) > 0 ? 1 : 0;
    summary.transponders = ListCount(db, ListKind::Transponders);
    summary.tuners[0] = {ListCount(db, ListKind::Tuner1Tv), ListCount(db, ListKind::Tuner1Radio),
                         ListCount(db, ListKind::Tuner1Data)};
    summary.tuners[1] = {ListCount(db, ListKind::Tuner2Tv), ListCount(db, ListKind::Tuner2Radio),
                         ListCount(db, ListKind::Tuner2Data)};
    return summary;
}

// Looked at before Open, which writes the defaults into the file buffer when the image has no record.
bool HasSettingsRecord(std::vector<std::uint8_t>& file) {
    std::array<std::uint8_t, kSettingsRecordSize> record{};
    return StorageImage(file).ReadSettings(record) > 0;
}

void PrintDatabaseText(const char* path, FileReader reader, const DatabaseSummary& s) {
    std::printf("file: %s\nkind: %s\n", path, FileReaderName(reader));
    std::printf("satellites: %d (%d with transponders)\n", s.satellites, s.satellitesWithTransponders);
    std::printf("transponders: %d\n", s.transponders);
    for (const TunerSide side : kTunerSides) {
        const TunerCounts& counts = s.tuners[static_cast<std::size_t>(SideIndex(side))];
        std::printf("tuner %d: %d TV, %d radio, %d data\n", TunerNumber(side), counts.tv, counts.radio, counts.data);
    }
    std::printf("settings record: %s\n", s.settingsRecordFound ? "found" : "none in the file");
    if (reader != FileReader::ChannelFile)
        std::printf("records not fitted: %d\nchannels without a transponder: %d\n", s.recordsNotFitted,
                    s.channelsWithoutTransponder);
}

void PrintDatabaseJson(const char* path, FileReader reader, const DatabaseSummary& s) {
    std::printf("{\"file\": %s, \"kind\": %s, \"satellites\": %d, \"satellitesWithTransponders\": %d, "
                "\"transponders\": %d, \"tuners\": [",
                JsonString(path).c_str(), JsonString(FileReaderName(reader)).c_str(), s.satellites,
                s.satellitesWithTransponders, s.transponders);
    for (const TunerSide side : kTunerSides) {
        const TunerCounts& counts = s.tuners[static_cast<std::size_t>(SideIndex(side))];
        std::printf("%s{\"tv\": %d, \"radio\": %d, \"data\": %d}", side == TunerSide::First ? "" : ", ", counts.tv,
                    counts.radio, counts.data);
    }
    std::printf("], \"settingsRecord\": %s, \"recordsNotFitted\": %d, \"channelsWithoutTransponder\": %d}\n",
                s.settingsRecordFound ? "true" : "false", s.recordsNotFitted, s.channelsWithoutTransponder);
}

int InfoOnDatabaseFile(const char* path, std::vector<std::uint8_t> file, bool json) {
    const bool settingsFound = RecogniseFile(file) == FileReader::ChannelFile && HasSettingsRecord(file);
    ChannelDatabase db;
    StartLikeEditor(db);
    const OpenResult result = OpenDatabaseFromBytes(db, std::move(file), path);
    if (!result.accepted) {
        std::fprintf(stderr, "%s\nvorlane-cli info: %s: the %s reader does not accept it\n", kOpenFailedText, path,
                     FileReaderName(result.reader));
        return kExitFailed;
    }
    DatabaseSummary summary = Summarise(db);
    summary.settingsRecordFound = result.reader == FileReader::ChannelFile && settingsFound;
    summary.recordsNotFitted = result.import.recordsNotFitted;
    summary.channelsWithoutTransponder = result.import.channelsWithoutTransponder;
    if (json)
        PrintDatabaseJson(path, result.reader, summary);
    else
        PrintDatabaseText(path, result.reader, summary);
    return kExitOk;
}

int InfoOnOtherFile(const char* path, const std::vector<std::uint8_t>& file, bool json) {
    BlockTable table;
    BlockFileReport report;
    if (!ReadBlockFile(file, table, &report)) {
        std::fprintf(stderr,
                     "vorlane-cli info: %s: not a channel file, SATCODX file, channel list or block file (%s at "
                     "offset %#zx)\n",
                     path, BlockFileFaultText(report.fault), report.faultOffset);
        return kExitFailed;
    }
    if (json) {
        std::printf("{\"file\": %s, \"kind\": \"block file\", \"blocks\": ", JsonString(path).c_str());
        PrintBlockArrayJson(stdout, table);
        std::printf("}\n");
    } else {
        std::printf("file: %s\nkind: block file\n", path);
        PrintBlockTable(stdout, table);
    }
    return kExitOk;
}

} // namespace

int RunInfo(std::span<char* const> args) {
    int exitStatus = kExitOk;
    const auto arguments = ParseFileArguments(args, "info", PrintInfoUsage, exitStatus);
    if (!arguments)
        return exitStatus;
    const char* path = arguments->path;
    const bool json = arguments->json;

    std::vector<std::uint8_t> file;
    if (!ReadFileBytes(path, file)) {
        std::fprintf(stderr, "vorlane-cli info: %s: cannot be read\n", path);
        return kExitFailed;
    }
    const FileReader reader = RecogniseFile(file);
    if (reader != FileReader::ChannelFile || file.size() == kChannelFileSize)
        return InfoOnDatabaseFile(path, std::move(file), json);
    return InfoOnOtherFile(path, file, json);
}

} // namespace vorlane::cli
