// vorlane-cli upload: the editor's "Upload to STB" without windows: a block file goes through the boot monitor,
// the three kinds of whole files are asked for from the running software.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/interrupt.h"
#include "cli/loader_session.h"
#include "cli/upload_safety.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace vorlane::cli {
namespace {

constexpr std::string_view kCommand = "upload";

void PrintUploadUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli upload [--port N | --device PATH] [--speed BPS] [--force] [--wait SECONDS]\n"
               "                          [--idle-timeout SECONDS] [--backup DIR] [--verify] FILE\n\n"
               "Sends FILE to the receiver as \"Upload to STB\" does. A block file (and any file with --force) is\n"
               "sent through the boot monitor: \"Reset your STB(s).\" is printed and the upload waits for the\n"
               "monitor's prompt, without limit unless --wait gives the seconds to wait. Other files are sent\n"
               "whole when their kind is known (update.key, *.s1, QV1 TPDB data). Progress goes to standard\n"
               "error; \"Completed\" or the error ends the output. Exit status 0 only when the upload completed.\n"
               "The port is COMn of the serial settings unless --port or --device names another; the speed is\n"
               "the stored one unless --speed gives it. Once the upload runs, a receiver silent for\n"
               "--idle-timeout seconds (default 30, 0 waits for ever) ends it with exit status 1.\n\n"
               "For a channel file, --backup DIR first downloads the receiver's channel list into\n"
               "DIR/channels-YYYYMMDD-HHMMSS.bin (the newest 20 are kept) and uploads nothing when that fails;\n"
               "--verify reads the list back after the upload and compares it with FILE: \"Completed and\n"
               "verified\" when equal, otherwise the number of differing bytes per table and exit status 1.\n",
               out);
}

struct UploadOptions {
    LinkOptions link;
    bool force = false;
    std::optional<std::chrono::milliseconds> wait;
    std::string backupFolder;
    bool verify = false;
    std::string file;
};

int UsageError(const std::string& text) {
    return LoaderUsageError(kCommand, PrintUploadUsage, text);
}

// Returns kExitOk when the arguments are complete, kExitUsage after printing what is wrong.
int ParseUploadArguments(std::span<char* const> args, UploadOptions& options) {
    const int parsed = ParseLoaderArguments(kCommand, PrintUploadUsage, args, options.link, [&](std::size_t& index) {
        const std::string_view arg = args[index];
        if (arg == "--force") {
            options.force = true;
        } else if (arg == "--wait") {
            unsigned seconds = 0;
            const char* value = index + 1 < args.size() ? args[++index] : "";
            const char* end = value + std::strlen(value);
            const auto [stop, error] = std::from_chars(value, end, seconds);
            if (error != std::errc() || stop != end || stop == value)
                return UsageError(std::string("--wait takes a number of seconds, not '") + value + "'");
            options.wait = std::chrono::seconds(seconds);
        } else if (arg == "--backup") {
            options.backupFolder = index + 1 < args.size() ? args[++index] : "";
            if (options.backupFolder.empty())
                return UsageError("--backup needs a folder");
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (IsOption(args[index])) {
            return UsageError("unknown option '" + std::string(arg) + "'");
        } else if (!options.file.empty() || arg.empty()) {
            return UsageError("expects one file");
        } else {
            options.file = arg;
        }
        return kExitOk;
    });
    if (parsed != kExitOk)
        return parsed;
    // A forced upload is for a receiver whose running software cannot be asked for its list.
    if (options.force && !options.backupFolder.empty())
        return UsageError("--backup does not go with --force");
    return options.file.empty() ? UsageError("expects one file") : kExitOk;
}

} // namespace

int RunUpload(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintUploadUsage(stdout);
        return kExitOk;
    }
    UploadOptions options;
    if (const int parsed = ParseUploadArguments(args, options); parsed != kExitOk)
        return parsed;

    LoaderSession session(kCommand);
    if (!session.Open(options.link))
        return kExitFailed;
    ConsoleLoaderUi& ui = session.Ui();
    ui.SetChosenFile(ChosenFilePath(options.file), FileDialogKind::Open);
    ui.SetForceModeBox(options.force);
    ui.SetWaitLimit(options.wait);
    if (!options.backupFolder.empty() || options.verify)
        return RunSafeUpload(session, {ChosenFilePath(options.file), options.backupFolder, options.verify});
    if (!session.Commands().OnBtnUploadStb()) {
        if (session.AwaitBreakInEnd() && !Interrupted())
            std::fputs("vorlane-cli upload: the boot monitor did not answer\n", stderr);
        if (Interrupted())
            std::fputs("vorlane-cli upload: interrupted\n", stderr);
        return kExitFailed;
    }
    return session.AwaitTransferEnd();
}

} // namespace vorlane::cli
