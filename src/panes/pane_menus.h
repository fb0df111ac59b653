#pragma once
// The panes' context menus "Satellite", "Transponder", "Channel TV" and "Channel Radio": every item carries its
// command number (QAction::data) and is grayed or checked from the state given.

#include <QMenu>
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

std::unique_ptr<QMenu> BuildSatelliteMenu(const SatelliteMenuState& state);
std::unique_ptr<QMenu> BuildTransponderMenu(const TransponderMenuState& state);
std::unique_ptr<QMenu> BuildChannelMenu(const ChannelMenuState& state);

// The item carrying a command number anywhere in the menu or its sub-menus; nullptr when there is none.
QAction* FindMenuCommand(const QMenu& menu, int command);

} // namespace vorlane::ui
