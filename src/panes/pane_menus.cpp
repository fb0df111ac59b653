#include "panes/pane_menus.h"

#include "panes/pane_commands.h"

namespace vorlane::ui {
namespace {

QAction* AddItem(QMenu& menu, const QString& text, int command, bool enabled = true) {
    QAction* action = menu.addAction(text);
    action->setData(command);
    action->setEnabled(enabled);
    return action;
}

QAction* AddCheckItem(QMenu& menu, const QString& text, int command, bool checked) {
    QAction* action = AddItem(menu, text, command);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

void AddSortMenu(QMenu& menu, const QString& second, int standardCommand, int secondCommand, bool secondChosen) {
    QMenu* sorted = menu.addMenu(QStringLiteral("View sorted by"));
    AddCheckItem(*sorted, QStringLiteral("Standard"), standardCommand, !secondChosen);
    AddCheckItem(*sorted, second, secondCommand, secondChosen);
}

struct ChannelMenuCommands {
    int newChannel, remove, moveTo, moveTop, moveBottom, addFavourite, selectAll, selectFree, selectScrambled,
        selectLocked, selectTuner1, selectTuner2, selectSkipped, copy, paste, property, original, names;
};

constexpr ChannelMenuCommands kTvMenu{kCmdTvNew,           kCmdTvDelete,        kCmdTvMoveTo,
                                      kCmdTvMoveTop,       kCmdTvMoveBottom,    kCmdTvAddFavourite,
                                      kCmdTvSelectAll,     kCmdTvSelectFree,    kCmdTvSelectScrambled,
                                      kCmdTvSelectLocked,  kCmdTvSelectTuner1,  kCmdTvSelectTuner2,
                                      kCmdTvSelectSkipped, kCmdTvCopy,          kCmdTvPaste,
                                      kCmdTvProperty,      kCmdTvOrderOriginal, kCmdTvOrderNames};
constexpr ChannelMenuCommands kRadioMenu{kCmdRadioNew,           kCmdRadioDelete,        kCmdRadioMoveTo,
                                         kCmdRadioMoveTop,       kCmdRadioMoveBottom,    kCmdRadioAddFavourite,
                                         kCmdRadioSelectAll,     kCmdRadioSelectFree,    kCmdRadioSelectScrambled,
                                         kCmdRadioSelectLocked,  kCmdRadioSelectTuner1,  kCmdRadioSelectTuner2,
                                         kCmdRadioSelectSkipped, kCmdRadioCopy,          kCmdRadioPaste,
                                         kCmdRadioProperty,      kCmdRadioOrderOriginal, kCmdRadioOrderNames};

} // namespace

std::unique_ptr<QMenu> BuildSatelliteMenu(const SatelliteMenuState& state) {
    auto menu = std::make_unique<QMenu>(QStringLiteral("Satellite"));
    AddItem(*menu, QStringLiteral("Property"), kCmdSatelliteProperty, state.satelliteSelected);
    menu->addSeparator();
    AddSortMenu(*menu, QStringLiteral("Longitude"), kCmdSatelliteSortStandard, kCmdSatelliteSortLongitude,
                state.sortMode == 1);
    return menu;
}

std::unique_ptr<QMenu> BuildTransponderMenu(const TransponderMenuState& state) {
    auto menu = std::make_unique<QMenu>(QStringLiteral("Transponder"));
    QMenu* added = menu->addMenu(QStringLiteral("New"));
    AddItem(*added, QStringLiteral("Transponder\tIns"), kCmdTransponderNew, state.satelliteSelected);
    AddItem(*added, QStringLiteral("TV Channel on this transponder\tT"), kCmdTransponderNewTv,
            state.transponderSelected);
    AddItem(*added, QStringLiteral("Radio Channel on this transponder\tR"), kCmdTransponderNewRadio,
            state.transponderSelected);
    AddItem(*menu, QStringLiteral("Delete"), kCmdTransponderDelete, state.transponderSelected);
    AddItem(*menu, QStringLiteral("Delete all empty transponder"), kCmdTransponderDeleteEmpty, !state.paneEmpty);
    menu->addSeparator();
    AddItem(*menu, QStringLiteral("Property"), kCmdTransponderProperty, state.transponderSelected);
    menu->addSeparator();
    AddSortMenu(*menu, QStringLiteral("Frequency"), kCmdTransponderSortStandard, kCmdTransponderSortFrequency,
                state.sortMode == 1);
    return menu;
}

std::unique_ptr<QMenu> BuildChannelMenu(const ChannelMenuState& state) {
    const ChannelMenuCommands& c = state.radio ? kRadioMenu : kTvMenu;
    auto menu = std::make_unique<QMenu>(state.radio ? QStringLiteral("Channel Radio") : QStringLiteral("Channel TV"));
    const bool newGrayed = state.favouriteChosen || !state.transponderSelected;
    // Moving works on the numbers the pane shows, in every view but the one sorted by name.
    const bool moveGrayed = !state.channelSelected || state.sortedByName;
    AddItem(*menu, QStringLiteral("New"), c.newChannel, !newGrayed);
    AddItem(*menu, QStringLiteral("Delete"), c.remove, state.channelSelected);
    AddItem(*menu, QStringLiteral("Move to"), c.moveTo, !moveGrayed);
    AddItem(*menu, QStringLiteral("Move to Top"), c.moveTop, !moveGrayed);
    AddItem(*menu, QStringLiteral("Move to Bottom"), c.moveBottom, !moveGrayed);
    QMenu* favourites = menu->addMenu(QStringLiteral("Add to Favourite"));
    favourites->setEnabled(state.channelSelected);
    for (int group = 0; group < static_cast<int>(state.favouriteNames.size()); ++group)
        AddItem(*favourites, QStringLiteral("FAV %1 (%2)").arg(group + 1).arg(state.favouriteNames[group]),
                c.addFavourite + group);
    QMenu* select = menu->addMenu(QStringLiteral("Select"));
    AddItem(*select, QStringLiteral("All"), c.selectAll);
    AddItem(*select, QStringLiteral("All free"), c.selectFree);
    AddItem(*select, QStringLiteral("All scrambled"), c.selectScrambled);
    AddItem(*select, QStringLiteral("All locked"), c.selectLocked);
    select->addSeparator();
    AddItem(*select, QStringLiteral("All tuner 1"), c.selectTuner1);
    AddItem(*select, QStringLiteral("All tuner 2"), c.selectTuner2);
    AddItem(*select, QStringLiteral("All skipped"), c.selectSkipped);
    menu->addSeparator();
    AddItem(*menu, QStringLiteral("Copy\tCtrl+C"), c.copy, state.channelSelected);
    AddItem(*menu, QStringLiteral("Paste\tCtrl+V"), c.paste, state.clipboardHoldsChannels);
    menu->addSeparator();
    AddItem(*menu, QStringLiteral("Property"), c.property, state.channelSelected);
    menu->addSeparator();
    QMenu* order = menu->addMenu(QStringLiteral("View sorted by"));
    AddCheckItem(*order, QStringLiteral("Original"), c.original, !state.sortedByName);
    AddCheckItem(*order, QStringLiteral("Names"), c.names, state.sortedByName);
    return menu;
}

QAction* FindMenuCommand(const QMenu& menu, int command) {
    for (QAction* action : menu.actions()) {
        if (action->menu()) {
            if (QAction* found = FindMenuCommand(*action->menu(), command))
                return found;
        } else if (!action->isSeparator() && action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

} // namespace vorlane::ui
