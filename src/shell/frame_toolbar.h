#pragma once
// The main frame's toolbar: Open and Save, the five connection commands, and after a separator the "All", "FTA"
// and "Scrambled" display filters. It shares the menu's actions, so states and tool tips are the same in both.

#include "shell/main_menu.h"

class QMainWindow;
class QToolBar;

namespace vorlane::ui {

// Gives the toolbar's actions their icons and docks the flat, movable toolbar at the top of `frame`.
QToolBar* BuildFrameToolBar(QMainWindow& frame, const CommandActions& actions);

} // namespace vorlane::ui
