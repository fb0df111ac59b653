#pragma once
// What the list panes need from the form that owns them: the database and editor settings, the last chosen list
// and display filter for filling, and the place their commands, choices, context menus and foreign drops go.

#include "database/channel_database.h"
#include "panes/editor_settings.h"
#include "panes/pane_chosen_list.h"

#include <QPoint>
#include <QString>
#include <span>

namespace vorlane::ui {

class PaneListView;

class PaneHost {
public:
    virtual ~PaneHost() = default;

    virtual ChannelDatabase& Database() = 0;
    virtual const EditorSettings& PaneSettings() const = 0;
    virtual ChosenList CurrentChosenList() const = 0;
    virtual int DisplayFilter() const = 0;

    // A pane command (menu, key); true when handled.
    virtual bool HandleCommand(int command) = 0;
    // The user changed the pane's selection (never called for the panes' own programmatic changes).
    virtual void OnPaneChoice(PaneListView& pane) = 0;
    // A double click on a row.
    virtual void OnPaneDoubleClick(PaneListView& pane, int row) = 0;
    // The right button was pressed over the pane.
    virtual void ShowPaneMenu(PaneListView& pane, QPoint globalPos) = 0;

    // A drag from a channel pane hovers outside it: outline the row of the pane under the point and answer the
    // cursor code (0 drop, 3 no drop).
    virtual int HitTestOutside(PaneListView& source, QPoint globalPos) = 0;
    // Dragged channels were released outside their pane.
    virtual void DropOutside(PaneListView& source, QPoint globalPos, std::span<const Pk> pks) = 0;
    // The drag left the other panes: no row of theirs is outlined any more.
    virtual void ClearDropTargets() = 0;

    // A pane changed the database by itself (a drop inside it): the change becomes one undo step named `label`,
    // with the channels it moved selected after undo or redo.
    virtual void CommitPaneEdit(const QString& /*label*/, std::span<const Pk> /*channelPks*/) {}
};

} // namespace vorlane::ui
