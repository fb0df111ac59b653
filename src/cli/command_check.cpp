// vorlane-cli check: opens a file as the editor does and runs the integrity check on the database it gives.

#include "cli/cli_command.h"
#include "cli/editor_open.h"
#include "cli/file_arguments.h"
#include "cli/json_text.h"
#include "database/channel_database.h"
#include "database/integrity_check.h"
#include "importexport/database_files.h"

#include <cstdio>
#include <string>

namespace vorlane::cli {
namespace {

void PrintCheckUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli check [--json] FILE\n\n"
               "Opens FILE (a channel file, a SATCODX file or a channel list) as the editor does and checks the\n"
               "database it gives: every channel on a tuner points at a used transponder and an existing satellite,\n"
               "every transponder at an existing satellite, and every list and favourite group agrees with its\n"
               "records. Prints each problem on its own line, naming the record. Records of a text list that Open\n"
               "leaves out are reported as Open reports them. --json prints one JSON object instead.\n"
               "Exit status 0 when the database is sound, 1 when it is not or the file cannot be opened.\n",
               out);
}

// The line with the name made readable on a UTF-8 terminal.
std::string ProblemText(IntegrityProblem problem) {
    problem.name = PrintableName(problem.name);
    return IntegrityProblemLine(problem);
}

void PrintText(const char* path, const OpenResult& result) {
    if (const std::string leftOut = RecordsLeftOutText(result.import); !leftOut.empty())
        std::printf("%s\n", leftOut.c_str());
    for (const IntegrityProblem& problem : result.problems)
        std::printf("%s\n", ProblemText(problem).c_str());
    if (result.problems.empty())
        std::printf("%s: sound\n", path);
    else
        std::printf("%s: %zu problem(s)\n", path, result.problems.size());
}

void PrintJson(const char* path, const OpenResult& result) {
    std::printf("{\"file\": %s, \"kind\": %s, \"sound\": %s, \"recordsNotFitted\": %d, "
                "\"channelsWithoutTransponder\": %d, \"problems\": [",
                JsonString(path).c_str(), JsonString(FileReaderName(result.reader)).c_str(),
                result.problems.empty() ? "true" : "false", result.import.recordsNotFitted,
                result.import.channelsWithoutTransponder);
    const char* separator = "";
    for (const IntegrityProblem& problem : result.problems) {
        std::printf("%s{\"record\": %s, \"name\": %s, \"problem\": %s}", separator,
                    JsonString(problem.record.Text()).c_str(), JsonString(Utf8FromLatin1(problem.name)).c_str(),
                    JsonString(problem.text.Text()).c_str());
        separator = ", ";
    }
    std::printf("]}\n");
}

} // namespace

int RunCheck(std::span<char* const> args) {
    int exitStatus = kExitOk;
    const auto arguments = ParseFileArguments(args, "check", PrintCheckUsage, exitStatus);
    if (!arguments)
        return exitStatus;

    ChannelDatabase db;
    StartLikeEditor(db);
    const OpenResult result = OpenDatabaseFile(db, arguments->path);
    if (!result.accepted) {
        PrintOpenRefusal(result, "check", arguments->path);
        return kExitFailed;
    }
    if (arguments->json)
        PrintJson(arguments->path, result);
    else
        PrintText(arguments->path, result);
    return result.problems.empty() ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
