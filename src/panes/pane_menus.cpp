#include "panes/pane_menus.h"

#include "panes/pane_commands.h"

#include <QCoreApplication>

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
    QMenu* sorted = menu.addMenu(QCoreApplication::translate("PaneMenus", "View sorted by"));
    AddCheckItem(*sorted, QCoreApplication::translate("PaneMenus", "Standard"), standardCommand, !secondChosen);
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

// Renumbers the list for good, unlike "View sorted by"; the four commands follow each other.
void AddSortListMenu(QMenu& menu, int firstCommand) {
    QMenu* sort = menu.addMenu(QCoreApplication::translate("PaneMenus", "Sort List by"));
    int command = firstCommand;
    for (const char* key :
         {QT_TRANSLATE_NOOP("PaneMenus", "Name"), QT_TRANSLATE_NOOP("PaneMenus", "Frequency"),
          QT_TRANSLATE_NOOP("PaneMenus", "Program Number"), QT_TRANSLATE_NOOP("PaneMenus", "Satellite")})
        AddItem(*sort, QCoreApplication::translate("PaneMenus", key), command++);
}

} // namespace

std::unique_ptr<QMenu> BuildSatelliteMenu(const SatelliteMenuState& state) {
    auto menu = std::make_unique<QMenu>(QCoreApplication::translate("PaneMenus", "Satellite"));
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Property"), kCmdSatelliteProperty,
            state.satelliteSelected);
    menu->addSeparator();
    AddSortMenu(*menu, QCoreApplication::translate("PaneMenus", "Longitude"), kCmdSatelliteSortStandard,
                kCmdSatelliteSortLongitude, state.sortMode == 1);
    return menu;
}

std::unique_ptr<QMenu> BuildTransponderMenu(const TransponderMenuState& state) {
    auto menu = std::make_unique<QMenu>(QCoreApplication::translate("PaneMenus", "Transponder"));
    QMenu* added = menu->addMenu(QCoreApplication::translate("PaneMenus", "New"));
    AddItem(*added, QCoreApplication::translate("PaneMenus", "Transponder\tIns"), kCmdTransponderNew,
            state.satelliteSelected);
    AddItem(*added, QCoreApplication::translate("PaneMenus", "TV Channel on this transponder\tT"), kCmdTransponderNewTv,
            state.transponderSelected);
    AddItem(*added, QCoreApplication::translate("PaneMenus", "Radio Channel on this transponder\tR"),
            kCmdTransponderNewRadio, state.transponderSelected);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Delete"), kCmdTransponderDelete,
            state.transponderSelected);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Delete all empty transponder"), kCmdTransponderDeleteEmpty,
            !state.paneEmpty);
    menu->addSeparator();
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Property"), kCmdTransponderProperty,
            state.transponderSelected);
    menu->addSeparator();
    AddSortMenu(*menu, QCoreApplication::translate("PaneMenus", "Frequency"), kCmdTransponderSortStandard,
                kCmdTransponderSortFrequency, state.sortMode == 1);
    return menu;
}

std::unique_ptr<QMenu> BuildChannelMenu(const ChannelMenuState& state) {
    const ChannelMenuCommands& c = state.radio ? kRadioMenu : kTvMenu;
    auto menu = std::make_unique<QMenu>(state.radio ? QCoreApplication::translate("PaneMenus", "Channel Radio")
                                                    : QCoreApplication::translate("PaneMenus", "Channel TV"));
    const bool newGrayed = state.favouriteChosen || !state.transponderSelected;
    // Moving works on the numbers the pane shows, in every view but the one sorted by name.
    const bool moveGrayed = !state.channelSelected || state.sortedByName;
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "New"), c.newChannel, !newGrayed);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Delete"), c.remove, state.channelSelected);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Move to"), c.moveTo, !moveGrayed);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Move to Top"), c.moveTop, !moveGrayed);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Move to Bottom"), c.moveBottom, !moveGrayed);
    QMenu* favourites = menu->addMenu(QCoreApplication::translate("PaneMenus", "Add to Favourite"));
    favourites->setEnabled(state.channelSelected);
    for (int group = 0; group < static_cast<int>(state.favouriteNames.size()); ++group)
        AddItem(*favourites,
                QCoreApplication::translate("PaneMenus", "FAV %1 (%2)").arg(group + 1).arg(state.favouriteNames[group]),
                c.addFavourite + group);
    QMenu* select = menu->addMenu(QCoreApplication::translate("PaneMenus", "Select"));
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All"), c.selectAll);
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All free"), c.selectFree);
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All scrambled"), c.selectScrambled);
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All locked"), c.selectLocked);
    select->addSeparator();
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All tuner 1"), c.selectTuner1);
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All tuner 2"), c.selectTuner2);
    AddItem(*select, QCoreApplication::translate("PaneMenus", "All skipped"), c.selectSkipped);
    menu->addSeparator();
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Copy\tCtrl+C"), c.copy, state.channelSelected);
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Paste\tCtrl+V"), c.paste, state.clipboardHoldsChannels);
    menu->addSeparator();
    AddItem(*menu, QCoreApplication::translate("PaneMenus", "Property"), c.property, state.channelSelected);
    menu->addSeparator();
    QMenu* order = menu->addMenu(QCoreApplication::translate("PaneMenus", "View sorted by"));
    AddCheckItem(*order, QCoreApplication::translate("PaneMenus", "Original"), c.original, !state.sortedByName);
    AddCheckItem(*order, QCoreApplication::translate("PaneMenus", "Names"), c.names, state.sortedByName);
    AddSortListMenu(*menu, state.radio ? kCmdRadioSortByName : kCmdTvSortByName);
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
