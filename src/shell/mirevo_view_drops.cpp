// CMirevoView: channels dragged out of the TV or radio pane, outlined on and dropped into the pane under the
// pointer.
#include "shell/mirevo_view.h"

#include "database/favourite_ops.h"
#include "database/move_channels.h"
#include "database/pk_channel.h"
#include "panes/channel_pane.h"
#include "panes/edit_labels.h"
#include "panes/label_panes.h"
#include "panes/pane_drops.h"

namespace vorlane {

ui::PaneListView* CMirevoView::PaneAt(ui::PaneListView& source, QPoint globalPos, int& row) {
    for (ui::PaneListView* pane :
         {static_cast<ui::PaneListView*>(m_satellitePane), static_cast<ui::PaneListView*>(m_transponderPane),
          static_cast<ui::PaneListView*>(m_favouritePane), static_cast<ui::PaneListView*>(m_tvPane),
          static_cast<ui::PaneListView*>(m_radioPane)}) {
        if (pane == &source || !pane->isVisible())
            continue;
        const QPoint local = pane->viewport()->mapFromGlobal(globalPos);
        if (pane->viewport()->rect().contains(local)) {
            const QModelIndex index = pane->indexAt(local);
            row = index.isValid() ? index.row() : -1;
            return pane;
        }
    }
    row = -1;
    return nullptr;
}

void CMirevoView::ClearDropTargets() {
    for (ui::PaneListView* pane :
         {static_cast<ui::PaneListView*>(m_satellitePane), static_cast<ui::PaneListView*>(m_transponderPane),
          static_cast<ui::PaneListView*>(m_favouritePane), static_cast<ui::PaneListView*>(m_tvPane),
          static_cast<ui::PaneListView*>(m_radioPane)})
        pane->SetDropRow(-1);
}

int CMirevoView::HitTestOutside(ui::PaneListView& source, QPoint globalPos) {
    ClearDropTargets();
    int row = -1;
    ui::PaneListView* pane = PaneAt(source, globalPos, row);
    if (!pane || row < 0)
        return ui::PaneListView::kNoDropCursor;
    pane->SetDropRow(row);
    return ui::PaneListView::kDropCursor;
}

void CMirevoView::DropOutside(ui::PaneListView& source, QPoint globalPos, std::span<const Pk> pks) {
    ClearDropTargets();
    int row = -1;
    ui::PaneListView* pane = PaneAt(source, globalPos, row);
    // Off the rows, and on the satellite pane, nothing moves.
    if (!pane || row < 0 || pane->ShownKind() == ui::PaneKind::Satellite)
        return;
    m_database.SetModified(true);
    const auto count = static_cast<qsizetype>(pks.size());
    const int satelliteRow = m_satellitePane->SelectedRow();
    std::vector<Pk> targetSelection;
    ui::ChannelPane* target = nullptr;
    switch (pane->ShownKind()) {
    case ui::PaneKind::Transponder: {
        const int transponderRow = m_transponderPane->SelectedRow();
        MoveChannelsToTransponder(m_database, m_transponderPane->RowId(row), pks);
        CommitPaneEdit(ui::CountedEditLabel(ui::CountedEdit::MoveToTransponder, count), pks);
        RefillTransponderPane(m_transponderPane->Satellite());
        KeepSelection(*m_transponderPane, transponderRow);
        // The labels of the satellites count their channels, and a channel may have changed satellite.
        RefillSatellitePane();
        KeepSelection(*m_satellitePane, satelliteRow);
        break;
    }
    case ui::PaneKind::Favourite:
        AddFavourites(m_database, m_favouritePane->RowId(row), pks);
        CommitPaneEdit(ui::CountedEditLabel(ui::CountedEdit::Add, count), pks);
        break;
    case ui::PaneKind::Tv:
    case ui::PaneKind::Radio:
        target = static_cast<ui::ChannelPane*>(pane);
        if (const std::optional<Pk> targetPk = target->PkAt(row))
            MoveChannels(m_database, target->Type(), *targetPk, pks);
        CommitPaneEdit(ui::CountedEditLabel(ui::CountedEdit::Move, count), pks);
        targetSelection.assign(pks.begin(), pks.end());
        break;
    case ui::PaneKind::Satellite:
        break;
    }
    ClearFavouriteCounters(m_database);
    RefillFavouritePane();
    RebuildPkChannel(m_database);
    // Both channel panes show what the drop left in them, so every count label matches its rows.
    for (ui::ChannelPane* channels : {m_tvPane, m_radioPane}) {
        const std::vector<Pk> selected = channels == target ? targetSelection : channels->SelectedPks();
        ReloadChannelPane(*channels);
        channels->SelectPks(selected);
    }
}

} // namespace vorlane
