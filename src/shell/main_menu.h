#pragma once
// The main frame's menu bar: "File(&F)", "Tools(&T)", "Channel(&C)" and "About(&A)". Every entry is an action
// carrying its command number (as its data and in its object name "command<number>") and its tool tip. The
// toolbar shows some of the same actions.

#include <map>

class QAction;
class QMenuBar;

namespace vorlane::ui {

using CommandActions = std::map<int, QAction*>;

// Fills the menu bar and returns its actions by command number. The display filters are checkable.
CommandActions BuildMainMenus(QMenuBar& menuBar);

} // namespace vorlane::ui
