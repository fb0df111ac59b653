#include "cli/editor_open.h"

#include "blockfile/channel_file.h"
#include "importexport/database_files.h"

#include <cstdio>

namespace vorlane::cli {

void PrintOpenRefusal(const OpenResult& result, const char* command, const char* path) {
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

bool OpenAsEditor(ChannelDatabase& db, const char* command, const char* path) {
    StartLikeEditor(db);
    const OpenResult result = OpenDatabaseFile(db, path);
    if (!result.accepted) {
        PrintOpenRefusal(result, command, path);
        return false;
    }
    if (const std::string leftOut = RecordsLeftOutText(result.import); !leftOut.empty())
        std::printf("%s\n", leftOut.c_str());
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
