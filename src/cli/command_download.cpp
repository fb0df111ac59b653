// vorlane-cli download: the editor's "Download to PC" without windows: the main software or the channel data
// of the receiver into a file, which only a complete download replaces.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/loader_session.h"
#include "loader/transfer_requests.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

constexpr std::string_view kCommand = "download";

void PrintDownloadUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli download [--port N | --device PATH] [--speed BPS] [--idle-timeout SECONDS]\n"
               "                            --what main|channel OUT\n\n"
               "Asks the receiver for its main software or its channel data, as \"Download to PC\" does, and\n"
               "writes it to OUT; channel data get their block header rebuilt. OUT is replaced only when the\n"
               "download is complete. Progress goes to standard error; \"Completed\" or the error ends the\n"
               "output. Exit status 0 only when the download completed. The port is COMn of the serial settings\n"
               "unless --port or --device names another; the speed is the stored one unless --speed gives it.\n"
               "A receiver silent for --idle-timeout seconds (default 30, 0 waits for ever) ends the download\n"
               "with exit status 1 and OUT untouched.\n",
               out);
}

struct DownloadOptions {
    LinkOptions link;
    std::optional<int> what;
    std::string out;
};

int UsageError(const std::string& text) {
    return LoaderUsageError(kCommand, PrintDownloadUsage, text);
}

int ParseDownloadArguments(std::span<char* const> args, DownloadOptions& options) {
    const int parsed = ParseLoaderArguments(kCommand, PrintDownloadUsage, args, options.link, [&](std::size_t& index) {
        const std::string_view arg = args[index];
        if (arg == "--what") {
            const std::string_view value = index + 1 < args.size() ? args[++index] : "";
            if (value == "main")
                options.what = kReceiveMainSoftware;
            else if (value == "channel")
                options.what = kReceiveChannel;
            else
                return UsageError("--what takes main or channel, not '" + std::string(value) + "'");
        } else if (IsOption(args[index])) {
            return UsageError("unknown option '" + std::string(arg) + "'");
        } else if (!options.out.empty() || arg.empty()) {
            return UsageError("expects one output file");
        } else {
            options.out = arg;
        }
        return kExitOk;
    });
    if (parsed != kExitOk)
        return parsed;
    if (!options.what)
        return UsageError("--what main|channel is needed");
    return options.out.empty() ? UsageError("expects one output file") : kExitOk;
}

} // namespace

int RunDownload(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintDownloadUsage(stdout);
        return kExitOk;
    }
    DownloadOptions options;
    if (const int parsed = ParseDownloadArguments(args, options); parsed != kExitOk)
        return parsed;

    LoaderSession session(kCommand);
    if (!session.Open(options.link))
        return kExitFailed;
    ConsoleLoaderUi& ui = session.Ui();
    ui.SetChosenFile(ChosenFilePath(options.out), FileDialogKind::SaveAs);
    ui.SetDownloadChoice(*options.what);
    if (!session.Commands().OnBtnDownloadPc())
        return kExitFailed;
    return session.AwaitTransferEnd();
}

} // namespace vorlane::cli
