#pragma once
// The enabled and checked states of the frame's commands, renewed whenever the menus or the toolbar are updated.

#include "shell/main_menu.h"

namespace vorlane::ui {

// Auto Connect is always enabled; Connect only while the serial port is closed; Disconnect, Upload to STB and
// Download to PC only while it is open, and Upload and Download not while a transfer runs.
bool ConnectionCommandEnabled(int command, bool portOpen, bool transferRunning = false);

// Enables every command by its rule and checks the display filter `displayFilter` alone.
void UpdateCommandStates(const CommandActions& actions, bool portOpen, int displayFilter, bool transferRunning = false);

} // namespace vorlane::ui
