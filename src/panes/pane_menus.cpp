#include "panes/pane_menus.h"

#include "database/favourite_groups.h"
#include "panes/pane_commands.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <initializer_list>

namespace vorlane::ui {
namespace {

constexpr int kSeparator = 0;

struct ChannelMenuCommands {
    int newChannel, remove, moveTo, moveTop, moveBottom, addFavourite, selectAll, selectFree, selectScrambled,
        selectLocked, selectTuner1, selectTuner2, selectSkipped, copy, paste, property, original, names, sortByName;
};

constexpr ChannelMenuCommands kTvMenu{kCmdTvNew,           kCmdTvDelete,        kCmdTvMoveTo,
                                      kCmdTvMoveTop,       kCmdTvMoveBottom,    kCmdTvAddFavourite,
                                      kCmdTvSelectAll,     kCmdTvSelectFree,    kCmdTvSelectScrambled,
                                      kCmdTvSelectLocked,  kCmdTvSelectTuner1,  kCmdTvSelectTuner2,
                                      kCmdTvSelectSkipped, kCmdTvCopy,          kCmdTvPaste,
                                      kCmdTvProperty,      kCmdTvOrderOriginal, kCmdTvOrderNames,
                                      kCmdTvSortByName};
constexpr ChannelMenuCommands kRadioMenu{kCmdRadioNew,           kCmdRadioDelete,        kCmdRadioMoveTo,
                                         kCmdRadioMoveTop,       kCmdRadioMoveBottom,    kCmdRadioAddFavourite,
                                         kCmdRadioSelectAll,     kCmdRadioSelectFree,    kCmdRadioSelectScrambled,
                                         kCmdRadioSelectLocked,  kCmdRadioSelectTuner1,  kCmdRadioSelectTuner2,
                                         kCmdRadioSelectSkipped, kCmdRadioCopy,          kCmdRadioPaste,
                                         kCmdRadioProperty,      kCmdRadioOrderOriginal, kCmdRadioOrderNames,
                                         kCmdRadioSortByName};

// The order of "Sort List by"; its four commands follow each other.
constexpr const char* kSortListKeys[] = {
    QT_TRANSLATE_NOOP("PaneMenus", "Name"), QT_TRANSLATE_NOOP("PaneMenus", "Frequency"),
    QT_TRANSLATE_NOOP("PaneMenus", "Program Number"), QT_TRANSLATE_NOOP("PaneMenus", "Satellite")};

QString Translated(const char* text) {
    return QCoreApplication::translate("PaneMenus", text);
}

struct ActionText {
    int command;
    const char* text;
};

void AddActions(CommandActions& actions, QObject& owner, std::initializer_list<ActionText> texts) {
    for (const ActionText& entry : texts)
        actions.Add(entry.command, Translated(entry.text), owner);
}

// Two checkable actions of which one is always checked.
void AddCheckPair(CommandActions& actions, QObject& owner, ActionText first, ActionText second) {
    auto* group = new QActionGroup(&owner);
    for (const ActionText& entry : {first, second}) {
        QAction* action = actions.Add(entry.command, Translated(entry.text), owner);
        action->setCheckable(true);
        group->addAction(action);
    }
}

void AddChannelActions(CommandActions& actions, QObject& owner, const ChannelMenuCommands& c) {
    AddActions(actions, owner,
               {{c.newChannel, QT_TRANSLATE_NOOP("PaneMenus", "New")},
                {c.remove, QT_TRANSLATE_NOOP("PaneMenus", "Delete")},
                {c.moveTo, QT_TRANSLATE_NOOP("PaneMenus", "Move to")},
                {c.moveTop, QT_TRANSLATE_NOOP("PaneMenus", "Move to Top")},
                {c.moveBottom, QT_TRANSLATE_NOOP("PaneMenus", "Move to Bottom")},
                {c.selectAll, QT_TRANSLATE_NOOP("PaneMenus", "All")},
                {c.selectFree, QT_TRANSLATE_NOOP("PaneMenus", "All free")},
                {c.selectScrambled, QT_TRANSLATE_NOOP("PaneMenus", "All scrambled")},
                {c.selectLocked, QT_TRANSLATE_NOOP("PaneMenus", "All locked")},
                {c.selectTuner1, QT_TRANSLATE_NOOP("PaneMenus", "All tuner 1")},
                {c.selectTuner2, QT_TRANSLATE_NOOP("PaneMenus", "All tuner 2")},
                {c.selectSkipped, QT_TRANSLATE_NOOP("PaneMenus", "All skipped")},
                {c.copy, QT_TRANSLATE_NOOP("PaneMenus", "Copy\tCtrl+C")},
                {c.paste, QT_TRANSLATE_NOOP("PaneMenus", "Paste\tCtrl+V")},
                {c.property, QT_TRANSLATE_NOOP("PaneMenus", "Property")}});
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group)
        actions.Add(c.addFavourite + group, QString(), owner);
    AddCheckPair(actions, owner, {c.original, QT_TRANSLATE_NOOP("PaneMenus", "Original")},
                 {c.names, QT_TRANSLATE_NOOP("PaneMenus", "Names")});
    int command = c.sortByName;
    for (const char* key : kSortListKeys)
        actions.Add(command++, Translated(key), owner);
}

// Adds the actions of `commands` in order; kSeparator adds a separator.
void AddItems(QMenu& menu, const CommandActions& actions, std::initializer_list<int> commands) {
    for (const int command : commands) {
        if (command == kSeparator)
            menu.addSeparator();
        else
            menu.addAction(actions.Action(command));
    }
}

void AddSortMenu(QMenu& menu, const CommandActions& actions, int standardCommand, int secondCommand) {
    AddItems(*menu.addMenu(Translated(QT_TRANSLATE_NOOP("PaneMenus", "View sorted by"))), actions,
             {standardCommand, secondCommand});
}

void SetEnabled(const CommandActions& actions, std::initializer_list<int> commands, bool enabled) {
    for (const int command : commands)
        actions.SetEnabled(command, enabled);
}

} // namespace

void AddPaneActions(CommandActions& actions, QObject& owner) {
    actions.Add(kCmdSatelliteProperty, Translated(QT_TRANSLATE_NOOP("PaneMenus", "Property")), owner);
    AddCheckPair(actions, owner, {kCmdSatelliteSortStandard, QT_TRANSLATE_NOOP("PaneMenus", "Standard")},
                 {kCmdSatelliteSortLongitude, QT_TRANSLATE_NOOP("PaneMenus", "Longitude")});
    AddActions(actions, owner,
               {{kCmdTransponderNew, QT_TRANSLATE_NOOP("PaneMenus", "Transponder\tIns")},
                {kCmdTransponderNewTv, QT_TRANSLATE_NOOP("PaneMenus", "TV Channel on this transponder\tT")},
                {kCmdTransponderNewRadio, QT_TRANSLATE_NOOP("PaneMenus", "Radio Channel on this transponder\tR")},
                {kCmdTransponderDelete, QT_TRANSLATE_NOOP("PaneMenus", "Delete")},
                {kCmdTransponderDeleteEmpty, QT_TRANSLATE_NOOP("PaneMenus", "Delete all empty transponder")},
                {kCmdTransponderProperty, QT_TRANSLATE_NOOP("PaneMenus", "Property")}});
    AddCheckPair(actions, owner, {kCmdTransponderSortStandard, QT_TRANSLATE_NOOP("PaneMenus", "Standard")},
                 {kCmdTransponderSortFrequency, QT_TRANSLATE_NOOP("PaneMenus", "Frequency")});
    AddChannelActions(actions, owner, kTvMenu);
    AddChannelActions(actions, owner, kRadioMenu);
}

void ApplySatelliteMenuState(const CommandActions& actions, const SatelliteMenuState& state) {
    actions.SetEnabled(kCmdSatelliteProperty, state.satelliteSelected);
    actions.SetChecked(state.sortMode == 1 ? kCmdSatelliteSortLongitude : kCmdSatelliteSortStandard, true);
}

void ApplyTransponderMenuState(const CommandActions& actions, const TransponderMenuState& state) {
    actions.SetEnabled(kCmdTransponderNew, state.satelliteSelected);
    SetEnabled(actions, {kCmdTransponderNewTv, kCmdTransponderNewRadio, kCmdTransponderDelete, kCmdTransponderProperty},
               state.transponderSelected);
    actions.SetEnabled(kCmdTransponderDeleteEmpty, !state.paneEmpty);
    actions.SetChecked(state.sortMode == 1 ? kCmdTransponderSortFrequency : kCmdTransponderSortStandard, true);
}

void ApplyChannelMenuState(const CommandActions& actions, const ChannelMenuState& state) {
    const ChannelMenuCommands& c = state.radio ? kRadioMenu : kTvMenu;
    actions.SetEnabled(c.newChannel, !state.favouriteChosen && state.transponderSelected);
    // Moving works on the numbers the pane shows, in every view but the one sorted by name.
    SetEnabled(actions, {c.moveTo, c.moveTop, c.moveBottom}, state.channelSelected && !state.sortedByName);
    SetEnabled(actions, {c.remove, c.copy, c.property}, state.channelSelected);
    actions.SetEnabled(c.paste, state.clipboardHoldsChannels);
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group) {
        QAction* favourite = actions.Action(c.addFavourite + group);
        favourite->setEnabled(state.channelSelected);
        if (group < state.favouriteNames.size())
            favourite->setText(Translated(QT_TRANSLATE_NOOP("PaneMenus", "FAV %1 (%2)"))
                                   .arg(group + 1)
                                   .arg(state.favouriteNames[group]));
    }
    actions.SetChecked(state.sortedByName ? c.names : c.original, true);
}

std::unique_ptr<QMenu> BuildSatelliteMenu(const CommandActions& actions) {
    auto menu = std::make_unique<QMenu>(Translated(QT_TRANSLATE_NOOP("PaneMenus", "Satellite")));
    AddItems(*menu, actions, {kCmdSatelliteProperty, kSeparator});
    AddSortMenu(*menu, actions, kCmdSatelliteSortStandard, kCmdSatelliteSortLongitude);
    return menu;
}

std::unique_ptr<QMenu> BuildTransponderMenu(const CommandActions& actions) {
    auto menu = std::make_unique<QMenu>(Translated(QT_TRANSLATE_NOOP("PaneMenus", "Transponder")));
    AddItems(*menu->addMenu(Translated(QT_TRANSLATE_NOOP("PaneMenus", "New"))), actions,
             {kCmdTransponderNew, kCmdTransponderNewTv, kCmdTransponderNewRadio});
    AddItems(*menu, actions,
             {kCmdTransponderDelete, kCmdTransponderDeleteEmpty, kSeparator, kCmdTransponderProperty, kSeparator});
    AddSortMenu(*menu, actions, kCmdTransponderSortStandard, kCmdTransponderSortFrequency);
    return menu;
}

std::unique_ptr<QMenu> BuildChannelMenu(const CommandActions& actions, bool radio) {
    const ChannelMenuCommands& c = radio ? kRadioMenu : kTvMenu;
    auto menu = std::make_unique<QMenu>(radio ? Translated(QT_TRANSLATE_NOOP("PaneMenus", "Channel Radio"))
                                              : Translated(QT_TRANSLATE_NOOP("PaneMenus", "Channel TV")));
    AddItems(*menu, actions, {c.newChannel, c.remove, c.moveTo, c.moveTop, c.moveBottom});
    QMenu* favourites = menu->addMenu(Translated(QT_TRANSLATE_NOOP("PaneMenus", "Add to Favourite")));
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group)
        favourites->addAction(actions.Action(c.addFavourite + group));
    favourites->setEnabled(actions.Action(c.addFavourite)->isEnabled());
    AddItems(*menu->addMenu(Translated(QT_TRANSLATE_NOOP("PaneMenus", "Select"))), actions,
             {c.selectAll, c.selectFree, c.selectScrambled, c.selectLocked, kSeparator, c.selectTuner1, c.selectTuner2,
              c.selectSkipped});
    AddItems(*menu, actions, {kSeparator, c.copy, c.paste, kSeparator, c.property, kSeparator});
    AddSortMenu(*menu, actions, c.original, c.names);
    QMenu* sortList = menu->addMenu(Translated(QT_TRANSLATE_NOOP("PaneMenus", "Sort List by")));
    for (int key = 0; key < static_cast<int>(std::size(kSortListKeys)); ++key)
        sortList->addAction(actions.Action(c.sortByName + key));
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
