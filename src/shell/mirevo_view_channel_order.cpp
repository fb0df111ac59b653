// CMirevoView: the channel panes' quick order commands (Move to Top, Move to Bottom, one place up or down with
// Alt+Up / Alt+Down) and "Add to Favourite".
#include "shell/mirevo_view.h"

#include "database/favourite_ops.h"
#include "database/move_channels.h"
#include "panes/channel_pane.h"
#include "panes/edit_labels.h"
#include "panes/label_panes.h"

#include <limits>

namespace vorlane {

void CMirevoView::HandleChannelOrderCommand(ui::ChannelPane& pane, int command) {
    const ui::ChannelPaneCommands& own = pane.Commands();
    if (command >= own.addFavourite && command < own.addFavourite + FavouriteGroups::kGroupCount) {
        AddSelectedToFavourite(pane, command - own.addFavourite);
        return;
    }
    const std::vector<Pk> pks = pane.SelectedPks();
    // A pane sorted by name shows no list order to move in.
    if (pks.empty() || pane.SortedByName())
        return;
    const int first = ChannelNumber(m_database, pks.front());
    if (command == own.moveTop)
        MoveSelectedChannels(pane, 1);
    else if (command == own.moveBottom)
        MoveSelectedChannels(pane, std::numeric_limits<int>::max());
    else if (command == own.moveUp && first > 1)
        MoveSelectedChannels(pane, first - 1);
    else if (command == own.moveDown)
        MoveSelectedChannels(pane, first + 1);
}

void CMirevoView::AddSelectedToFavourite(ui::ChannelPane& pane, int group) {
    const std::vector<Pk> pks = pane.SelectedPks();
    if (pks.empty() || AddFavourites(m_database, group, pks) == 0)
        return;
    m_database.SetModified(true);
    CommitEdit(ui::CountedEditLabel(ui::CountedEdit::Add, static_cast<qsizetype>(pks.size())),
               EditSubjects{{}, {}, pks});
    ClearFavouriteCounters(m_database);
    RefillFavouritePane();
    ReloadChannelPane(pane);
    pane.SelectPks(pks);
}

} // namespace vorlane
