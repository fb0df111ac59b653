// vorlane-stb-sim: a simulated satellite receiver on a pseudo-terminal, for trying the loader without hardware.

#include "sim/sim_options.h"
#include "sim/simulated_receiver.h"
#include "vorlane/version.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace vorlane;

namespace {

int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return 0;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.bad() ? 0 : 1;
}

int LoadDownloads(SimulatorCommandLine& commandLine) {
    for (std::size_t kind = 0; kind < kDownloadKindCount; ++kind) {
        const std::string& path = commandLine.downloadPaths[kind];
        if (path.empty())
            continue;
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(path, bytes)) {
            std::fprintf(stderr, "vorlane-stb-sim: cannot read %s\n", path.c_str());
            return 0;
        }
        commandLine.config.behaviour.downloads[kind] = std::move(bytes);
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    SimulatorCommandLine commandLine;
    std::string error;
    if (!ParseSimulatorCommandLine(arguments, commandLine, error)) {
        std::fprintf(stderr, "vorlane-stb-sim: %s\n\n%s", error.c_str(), SimulatorUsage());
        return 2;
    }
    if (commandLine.help) {
        std::fputs(SimulatorUsage(), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::printf("vorlane-stb-sim %s\n", kVersion);
        return 0;
    }
    if (!LoadDownloads(commandLine))
        return 1;

    // The signals are taken synchronously below, so they are blocked before the receiver's thread starts.
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1})
        sigaddset(&signals, signal);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    SimulatedReceiver receiver(commandLine.config);
    if (!receiver.Start()) {
        std::fprintf(stderr, "vorlane-stb-sim: cannot open a pseudo-terminal linked as %s\n",
                     commandLine.config.linkPath.c_str());
        return 1;
    }
    std::printf("%s -> %s\n", receiver.LinkPath().c_str(), receiver.DevicePath().c_str());
    std::fflush(stdout);

    const timespec poll{0, 200'000'000};
    while (receiver.IsRunning()) {
        const int signal = sigtimedwait(&signals, nullptr, &poll);
        if (signal == SIGUSR1)
            receiver.TriggerRestart();
        else if (signal > 0)
            break;
    }
    receiver.Stop();
    return 0;
}
