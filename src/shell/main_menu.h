#pragma once
// The main frame's menu bar: "File(&F)", "Tools(&T)", "Channel(&C)" and "About(&A)". Every entry is an action
// carrying its command number; entries start disabled until the frame connects a handler to them.

#include <map>

class QAction;
class QMenuBar;

namespace vorlane::ui {

using CommandActions = std::map<int, QAction*>;

// Fills the menu bar and returns its actions by command number.
CommandActions BuildMainMenus(QMenuBar& menuBar);

} // namespace vorlane::ui
