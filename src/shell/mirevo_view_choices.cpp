// CMirevoView: what follows when the user chooses a satellite, transponder, favourite group or channel, double
// clicks, or asks for a pane's context menu; the pane commands' actions and the signals their states follow.
#include "shell/mirevo_view.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_menus.h"
#include "shell/command_state_updater.h"
#include "shell/edit_document.h"
#include "shell/loader_link.h"
#include "shell/view_texts.h"

#include <QAction>
#include <QMenu>
#include <array>

namespace vorlane {

void CMirevoView::OnPaneChoice(ui::PaneListView& pane) {
    switch (pane.ShownKind()) {
    case ui::PaneKind::Satellite:
        ChooseSatellite();
        break;
    case ui::PaneKind::Transponder:
        ChooseTransponder();
        break;
    case ui::PaneKind::Favourite:
        ChooseFavouriteGroup();
        break;
    case ui::PaneKind::Tv:
        ChooseChannel(*m_tvPane);
        break;
    case ui::PaneKind::Radio:
        ChooseChannel(*m_radioPane);
        break;
    }
}

void CMirevoView::ChooseSatellite() {
    if (m_satellitePane->SelectedRow() < 0)
        return;
    const int satellite = m_satellitePane->SelectedSatellite();
    m_favouritePane->ClearSelection();
    m_chosen = ChosenList{ChosenList::kSatellite, satellite};
    RefillTransponderPane(satellite);
    RefillChannelPanes();
    SetInformationLine(SatelliteInformation(m_database, satellite));
}

void CMirevoView::ChooseTransponder() {
    const int transponder = m_transponderPane->SelectedTransponder();
    if (transponder < 0)
        return;
    m_chosen = ChosenList{ChosenList::kTransponder, transponder};
    const int satellite = static_cast<int>(m_database.Transponder(transponder).SatelliteLink().Index());
    KeepSelection(*m_satellitePane, m_satellitePane->RowOf(satellite));
    m_favouritePane->ClearSelection();
    RefillChannelPanes();
    SetInformationLine(TransponderInformation(m_database, transponder));
}

void CMirevoView::ChooseFavouriteGroup() {
    const int group = m_favouritePane->SelectedGroup();
    if (group < 0)
        return;
    m_chosen = ChosenList{ChosenList::kFavourite, group};
    m_satellitePane->ClearSelection();
    m_transponderPane->ClearSelection();
    RefillChannelPanes();
    SetInformationLine(FavouriteInformation(m_database, group));
}

void CMirevoView::ChooseChannel(ui::ChannelPane& pane) {
    const std::optional<Pk> caretPk = pane.PkAt(pane.CaretRow());
    if (!caretPk) {
        SetInformationLine(QString());
        return;
    }
    const Pk pk = *caretPk;
    const ConstChannelRecord record = m_database.ChannelOfPk(pk);
    const TunerSide side = pk.Side();
    const int transponder = static_cast<int>(record.TransponderLink(side).Index());
    const int satellite = static_cast<int>(record.SatelliteLink(side).Index());
    KeepSelection(*m_transponderPane, m_transponderPane->RowOf(transponder));
    KeepSelection(*m_satellitePane, m_satellitePane->RowOf(satellite));
    SetInformationLine(ChannelInformation(m_database, pk));
    m_describedPane = &pane;
    (&pane == m_tvPane ? m_radioPane : m_tvPane)->ClearSelection();
}

void CMirevoView::OnPaneDoubleClick(ui::PaneListView& pane, int row) {
    switch (pane.ShownKind()) {
    case ui::PaneKind::Satellite:
        HandleCommand(kCmdSatelliteProperty);
        break;
    case ui::PaneKind::Transponder:
        HandleCommand(kCmdTransponderProperty);
        break;
    case ui::PaneKind::Favourite:
        RenameGroup(row);
        break;
    case ui::PaneKind::Tv:
    case ui::PaneKind::Radio:
        HandleCommand(static_cast<ui::ChannelPane&>(pane).Commands().property);
        break;
    }
}

std::unique_ptr<QMenu> CMirevoView::BuildPaneMenu(ui::PaneListView& pane) {
    switch (pane.ShownKind()) {
    case ui::PaneKind::Satellite:
        return ui::BuildSatelliteMenu(m_actions);
    case ui::PaneKind::Transponder:
        return ui::BuildTransponderMenu(m_actions);
    case ui::PaneKind::Tv:
    case ui::PaneKind::Radio:
        return ui::BuildChannelMenu(m_actions, pane.ShownKind() == ui::PaneKind::Radio);
    case ui::PaneKind::Favourite:
        break;
    }
    return nullptr;
}

// The chosen item's action runs its command.
void CMirevoView::ShowPaneMenu(ui::PaneListView& pane, QPoint globalPos) {
    if (const std::unique_ptr<QMenu> menu = BuildPaneMenu(pane))
        menu->exec(globalPos);
}

void CMirevoView::BuildCommandActions() {
    ui::AddPaneActions(m_actions, *this);
    for (const auto& [command, action] : m_actions)
        connect(action, &QAction::triggered, this, [this, command = command] { HandleCommand(command); });
    const std::array<ui::PaneListView*, 5> panes{m_satellitePane, m_transponderPane, m_favouritePane, m_tvPane,
                                                 m_radioPane};
    for (ui::PaneListView* pane : panes) {
        connect(pane->model(), &QAbstractItemModel::modelReset, m_document, &EditDocument::NoteListsRebuilt);
        connect(pane->selectionModel(), &QItemSelectionModel::selectionChanged, m_document,
                &EditDocument::NoteSelectionChanged);
    }
    m_commandStates = new CommandStateUpdater(*this, m_actions);
    m_loader->SetStateObserver(
        [this](bool portOpen, bool transferRunning) { m_document->NoteConnectionState(portOpen, transferRunning); });
    RenewCommandStates();
}

void CMirevoView::RenewCommandStates() {
    m_commandStates->RenewAll();
}

} // namespace vorlane
