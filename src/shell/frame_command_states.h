#pragma once
// The rules for the enabled and checked states of the frame's commands. Commands without a rule here are always
// enabled.

#include "panes/command_actions.h"

namespace vorlane::ui {

// Enables the connection commands by their rule (Connect only while the serial port is closed, Disconnect only
// while it is open, the transfers while it is open and no transfer runs); a view without the frame's menus has
// none to enable.
void ApplyConnectionState(const CommandActions& actions, bool portOpen, bool transferRunning);
// Checks the display filter `displayFilter` alone.
void CheckDisplayFilter(const CommandActions& actions, int displayFilter);

} // namespace vorlane::ui
