#pragma once
// The command line of vorlane-stb-sim.

#include "sim/simulated_receiver.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

struct SimulatorCommandLine {
    SimulatorConfig config;
    // Files to send for the three download kinds (main software, channel, pre-setting); empty: none.
    std::array<std::string, kDownloadKindCount> downloadPaths;
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. False with `error` set when they are wrong.
[[nodiscard]] bool ParseSimulatorCommandLine(const std::vector<std::string_view>& arguments,
                                             SimulatorCommandLine& commandLine, std::string& error);

const char* SimulatorUsage();

} // namespace vorlane
