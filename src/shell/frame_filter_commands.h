#pragma once
// The display filter commands: which channels the TV and radio panes show.

#include <array>

namespace vorlane {

class CMirevoView;

// All channels, Tuner 1 channels, Tuner 2 channels, FTA channels, Scrambled channels.
const std::array<int, 5>& DisplayFilterCommands();
bool IsDisplayFilterCommand(int command);

// Makes `command` the view's display filter and refills the TV pane, then the radio pane.
void ChooseDisplayFilter(CMirevoView& view, int command);

} // namespace vorlane
