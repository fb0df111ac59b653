#pragma once
// The main frame's menu bar: "File(&F)", "Edit(&E)", "Tools(&T)", "Channel(&C)" and "About(&A)". Every entry is
// the one action of its command number (as its data and in its object name "command<number>") with its tool tip.
// The toolbar shows some of the same actions.

#include "panes/command_actions.h"

class QMenuBar;

namespace vorlane::ui {

// Fills the menu bar with new actions in `actions`, owned by `owner`. The display filters are checkable.
void BuildMainMenus(QMenuBar& menuBar, CommandActions& actions, QObject& owner);

} // namespace vorlane::ui
