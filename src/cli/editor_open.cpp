#include "cli/editor_open.h"

#include "blockfile/channel_file.h"
#include "importexport/database_files.h"

#include <cstdio>

namespace vorlane::cli {

namespace {

void PrintRefusal(const OpenResult& result, const char* command, const char* path) {
    std::fprintf(stderr, "%s\n", kOpenFailedText);
    switch (result.refusal) {
    case OpenRefusal::CannotRead:
        std::fprintf(stderr, "vorlane-cli %s: %s: cannot be read\n", command, path);
        break;
    case OpenRefusal::WrongLength:
        std::fprintf(stderr,
                     "vorlane-cli %s: %s: neither a SATCODX file nor a channel list, and not a channel file of "
                     "exactly %zu bytes\n",
                     command, path, kChannelFileSize);
        break;
    case OpenRefusal::NotAccepted:
        std::fprintf(stderr, "vorlane-cli %s: %s: the %s reader does not accept it\n", command, path,
                     FileReaderName(result.reader));
        break;
    case OpenRefusal::None:
        break;
    }
}

} // namespace

bool OpenAsEditor(ChannelDatabase& db, const char* command, const char* path) {
    StartLikeEditor(db);
    const OpenResult result = OpenDatabaseFile(db, path);
    if (!result.accepted) {
        PrintRefusal(result, command, path);
        return false;
    }
    if (result.import.recordsNotFitted > 0)
        std::printf("%d records did not fit into the tables and were left out.\n", result.import.recordsNotFitted);
    return true;
}

bool SaveAsEditor(ChannelDatabase& db, const char* path) {
    if (!SaveDatabaseFile(db, path)) {
        std::fprintf(stderr, "%s\n", kWriteFailedText);
        return false;
    }
    std::printf("%s\n", kWriteCompleteText);
    return true;
}

} // namespace vorlane::cli
