#include "shell/frame_filter_commands.h"

#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <algorithm>

namespace vorlane {

const std::array<int, 5>& DisplayFilterCommands() {
    static constexpr std::array<int, 5> kCommands = {kCmdAllChannels, kCmdTuner1Channels, kCmdTuner2Channels,
                                                     kCmdFtaChannels, kCmdScrambledChannels};
    return kCommands;
}

bool IsDisplayFilterCommand(int command) {
    const auto& commands = DisplayFilterCommands();
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

void ChooseDisplayFilter(CMirevoView& view, int command) {
    view.SetDisplayFilter(command);
    view.RefillTvPane();
    view.RefillRadioPane();
}

} // namespace vorlane
