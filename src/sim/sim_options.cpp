#include "sim/sim_options.h"

#include <charconv>
#include <functional>
#include <limits>
#include <map>

namespace vorlane {
namespace {

bool ParseCount(std::string_view text, unsigned& value) {
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParsePositive(std::string_view text, int& value) {
    unsigned number = 0;
    if (!ParseCount(text, number) || number == 0 || number > static_cast<unsigned>(std::numeric_limits<int>::max()))
        return false;
    value = static_cast<int>(number);
    return true;
}

} // namespace

const char* SimulatorUsage() {
    return "Usage: vorlane-stb-sim --link PATH [options]\n"
           "Simulated satellite receiver on a pseudo-terminal linked to PATH (for example $VORLANE_SERIAL_DIR/COM5).\n"
           "\n"
           "  --link PATH                 path of the link to the terminal's device (an existing link is replaced)\n"
           "  --store DIR                 write each received block as DIR/block-<n>.bin, counting from 0\n"
           "  --main FILE                 file sent for a main software download (request 0x23)\n"
           "  --channel FILE              file sent for a channel download (request 0x24)\n"
           "  --presetting FILE           file sent for a pre-setting download (request 0x25)\n"
           "  --restart-after MS          restart into the boot monitor MS ms after the break-in pattern is first "
           "seen\n"
           "  --ident-delay MS            quiet time after the last wake-up before the identification (default 400)\n"
           "  --answer-pause MS           after storing a block, answer no request for MS ms\n"
           "  --corrupt-stored N          a faulty flash: flip byte N (from 0) of every block it stores\n"
           "  --baud N                    emulate a line of N bits per second (10 bits per byte) both ways\n"
           "  --log FILE                  write every byte received (RX) and sent (TX) to FILE\n"
           "  --nak-packet K              answer upload packet K once with FC FA although its sum is right\n"
           "  --corrupt-download-packet K send download packet K once with a wrong sum\n"
           "  --corrupt-upload-packet K   take upload packet K once as damaged on the line\n"
           "  --error-at-packet K         answer upload packet K, or send instead of download packet K, FE\n"
           "  --end-at-packet K           answer upload packet K, or send instead of download packet K, F0\n"
           "  --silent-after-packet K     send nothing more after packet K until restarted\n"
           "  --close-after-packet K      close the line after packet K\n"
           "  --no-ident                  answer the wake-up with a text that lacks the identification\n"
           "  --silent-to-requests        never answer an upload or download request\n"
           "  --echo                      the boot monitor echoes what it is sent\n"
           "  --split-output N            write every answer in pieces of at most N bytes\n"
           "  --merge-output              hold answers back and write those to the same input in one piece\n"
           "  --help                      show this text\n"
           "  --version                   show the version\n"
           "\n"
           "Packets are counted from 1 within a transfer. SIGUSR1 restarts the receiver; SIGINT or SIGTERM ends it.\n";
}

bool ParseSimulatorCommandLine(const std::vector<std::string_view>& arguments, SimulatorCommandLine& commandLine,
                               std::string& error) {
    auto& config = commandLine.config;
    auto& faults = config.behaviour.faults;
    using Setter = std::function<bool(std::string_view)>;
    const auto text = [](std::string& target) -> Setter {
        return [&target](std::string_view value) {
            target = value;
            return true;
        };
    };
    const auto packet = [](int& target) -> Setter {
        return [&target](std::string_view value) { return ParsePositive(value, target); };
    };
    const auto milliseconds = [](auto assign) -> Setter {
        return [assign](std::string_view value) {
            unsigned ms = 0;
            if (!ParseCount(value, ms))
                return false;
            assign(std::chrono::milliseconds(ms));
            return true;
        };
    };
    const std::map<std::string_view, Setter> valued = {
        {"--link", text(config.linkPath)},
        {"--store", text(config.storeFolder)},
        {"--log", text(config.logPath)},
        {"--main", text(commandLine.downloadPaths[0])},
        {"--channel", text(commandLine.downloadPaths[1])},
        {"--presetting", text(commandLine.downloadPaths[2])},
        {"--baud", [&](std::string_view value) { return ParseCount(value, config.bitsPerSecond); }},
        {"--split-output",
         [&](std::string_view value) {
             unsigned bytes = 0;
             if (!ParseCount(value, bytes) || bytes == 0)
                 return false;
             config.splitOutputBytes = bytes;
             return true;
         }},
        {"--restart-after",
         milliseconds([&](std::chrono::milliseconds ms) { config.behaviour.restartAfterBreakIn = ms; })},
        {"--ident-delay",
         milliseconds([&](std::chrono::milliseconds ms) { config.behaviour.identificationDelay = ms; })},
        {"--answer-pause",
         milliseconds([&](std::chrono::milliseconds ms) { config.behaviour.answerPauseAfterStore = ms; })},
        {"--corrupt-stored",
         [&](std::string_view value) {
             unsigned offset = 0;
             if (!ParseCount(value, offset))
                 return false;
             faults.corruptStoredByte = offset;
             return true;
         }},
        {"--nak-packet", packet(faults.nakPacket)},
        {"--corrupt-download-packet", packet(faults.corruptDownloadPacket)},
        {"--corrupt-upload-packet", packet(faults.corruptUploadPacket)},
        {"--error-at-packet", packet(faults.errorAtPacket)},
        {"--end-at-packet", packet(faults.endAtPacket)},
        {"--silent-after-packet", packet(faults.silentAfterPacket)},
        {"--close-after-packet", packet(faults.closeAfterPacket)},
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = arguments[i];
        if (name == "--help" || name == "--version") {
            (name == "--help" ? commandLine.help : commandLine.version) = true;
            return true;
        }
        const std::map<std::string_view, bool*> flags = {{"--no-ident", &faults.withoutIdentification},
                                                         {"--silent-to-requests", &faults.silentToRequests},
                                                         {"--echo", &config.behaviour.monitorEcho},
                                                         {"--merge-output", &config.mergeOutput}};
        if (const auto flag = flags.find(name); flag != flags.end()) {
            *flag->second = true;
            continue;
        }
        const auto option = valued.find(name);
        if (option == valued.end()) {
            error = "unknown option " + std::string(name);
            return false;
        }
        if (i + 1 == arguments.size()) {
            error = std::string(name) + " needs a value";
            return false;
        }
        const std::string_view value = arguments[++i];
        if (!option->second(value)) {
            error = "bad value for " + std::string(name) + ": " + std::string(value);
            return false;
        }
    }
    if (config.linkPath.empty()) {
        error = "--link PATH is required";
        return false;
    }
    return true;
}

} // namespace vorlane
