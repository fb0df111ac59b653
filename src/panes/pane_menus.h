#pragma once
// The panes' context menus "Satellite", "Transponder", "Channel TV" and "Channel Radio". Their items are the
// actions of the pane commands, created once and carrying their command numbers; a menu is laid out from them when
// it opens, and their grayed and checked states are set from the panes' state whenever that changes.

#include "panes/command_actions.h"

#include <QMenu>
#include <QStringList>
#include <memory>

namespace vorlane::ui {

struct SatelliteMenuState {
    bool satelliteSelected = false; // a satellite row, not "All"
    int sortMode = 0;
};

struct TransponderMenuState {
    bool satelliteSelected = false; // in the satellite pane, not "All"
    bool transponderSelected = false;
    bool paneEmpty = true;
    int sortMode = 0;
};

struct ChannelMenuState {
    bool radio = false;
    bool favouriteChosen = false;
    bool transponderSelected = false;
    bool channelSelected = false;
    bool sortedByName = false;
    QStringList favouriteNames; // the eight group names of "Add to Favourite"
    bool clipboardHoldsChannels = false;
};

// The actions of every pane command, owned by `owner`; the check pairs of "View sorted by" are exclusive.
void AddPaneActions(CommandActions& actions, QObject& owner);

// Gray and check the menus' actions for the state given; the channel state names the favourite groups too.
void ApplySatelliteMenuState(const CommandActions& actions, const SatelliteMenuState& state);
void ApplyTransponderMenuState(const CommandActions& actions, const TransponderMenuState& state);
void ApplyChannelMenuState(const CommandActions& actions, const ChannelMenuState& state);

std::unique_ptr<QMenu> BuildSatelliteMenu(const CommandActions& actions);
std::unique_ptr<QMenu> BuildTransponderMenu(const CommandActions& actions);
// "Add to Favourite" is grayed with its groups.
std::unique_ptr<QMenu> BuildChannelMenu(const CommandActions& actions, bool radio);

// The item carrying a command number anywhere in the menu or its sub-menus; nullptr when there is none.
QAction* FindMenuCommand(const QMenu& menu, int command);

} // namespace vorlane::ui
