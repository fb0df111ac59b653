// CMirevoView: what follows when the user chooses a satellite, transponder, favourite group or channel, double
// clicks, or asks for a pane's context menu.
#include "shell/mirevo_view.h"

#include "database/settings_record.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_menus.h"
#include "shell/view_texts.h"

#include <QMenu>

namespace vorlane {
namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CMirevoView::OnPaneChoice(ui::PaneListView& pane) {
    switch (pane.kind()) {
    case ui::PaneKind::Satellite:
        ChooseSatellite();
        break;
    case ui::PaneKind::Transponder:
        ChooseTransponder();
        break;
    case ui::PaneKind::Favorite:
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
    if (m_satellitePane->selectedRow() < 0)
        return;
    const int satellite = m_satellitePane->selectedSatellite();
    m_favoritePane->ClearSelection();
    m_chosen = ChosenList{ChosenList::Satellite, satellite};
    RefillTransponderPane(satellite);
    RefillChannelPanes();
    SetInformationLine(SatelliteInformation(m_database, satellite));
}

void CMirevoView::ChooseTransponder() {
    const int transponder = m_transponderPane->selectedTransponder();
    if (transponder < 0)
        return;
    m_chosen = ChosenList{ChosenList::Transponder, transponder};
    const int satellite = static_cast<int>(m_database.transponder(transponder).satelliteLink().index());
    KeepSelection(*m_satellitePane, m_satellitePane->rowOf(satellite));
    m_favoritePane->ClearSelection();
    RefillChannelPanes();
    SetInformationLine(TransponderInformation(m_database, transponder));
}

void CMirevoView::ChooseFavouriteGroup() {
    const int group = m_favoritePane->selectedGroup();
    if (group < 0)
        return;
    m_chosen = ChosenList{ChosenList::Favourite, group};
    m_satellitePane->ClearSelection();
    m_transponderPane->ClearSelection();
    RefillChannelPanes();
    SetInformationLine(FavouriteInformation(m_database, group));
}

void CMirevoView::ChooseChannel(ui::ChannelPane& pane) {
    const int pk = pane.rowId(pane.caretRow());
    if (pk < 0) {
        SetInformationLine(QString());
        return;
    }
    const ConstChannelRecord record = m_database.channelOfPk(pk);
    const int side = TunerSideOfPk(pk);
    const int transponder = static_cast<int>(record.transponderLink(side).index());
    const int satellite = static_cast<int>(record.satelliteLink(side).index());
    KeepSelection(*m_transponderPane, m_transponderPane->rowOf(transponder));
    KeepSelection(*m_satellitePane, m_satellitePane->rowOf(satellite));
    SetInformationLine(ChannelInformation(m_database, pk));
    m_describedPane = &pane;
    (&pane == m_tvPane ? m_radioPane : m_tvPane)->ClearSelection();
}

void CMirevoView::OnPaneDoubleClick(ui::PaneListView& pane, int row) {
    switch (pane.kind()) {
    case ui::PaneKind::Satellite:
        HandleCommand(kCmdSatelliteProperty);
        break;
    case ui::PaneKind::Transponder:
        HandleCommand(kCmdTransponderProperty);
        break;
    case ui::PaneKind::Favorite:
        RenameGroup(row);
        break;
    case ui::PaneKind::Tv:
    case ui::PaneKind::Radio:
        HandleCommand(static_cast<ui::ChannelPane&>(pane).commands().property);
        break;
    }
}

std::unique_ptr<QMenu> CMirevoView::BuildPaneMenu(ui::PaneListView& pane) {
    const bool satelliteSelected = m_satellitePane->selectedSatellite() >= 0;
    const bool transponderSelected = m_transponderPane->selectedRow() >= 0;
    switch (pane.kind()) {
    case ui::PaneKind::Satellite:
        return ui::BuildSatelliteMenu({satelliteSelected, m_satellitePane->sort_mode()});
    case ui::PaneKind::Transponder:
        return ui::BuildTransponderMenu({satelliteSelected, transponderSelected, m_transponderPane->rowCount() == 0,
                                         m_transponderPane->sort_mode()});
    case ui::PaneKind::Tv:
    case ui::PaneKind::Radio: {
        const auto& channels = static_cast<ui::ChannelPane&>(pane);
        QStringList groupNames;
        for (int group = 0; group < FavouriteGroups::kGroupCount; ++group)
            groupNames << Latin1(HeldReceiverSettings(m_database).fav_name(static_cast<std::size_t>(group)));
        return ui::BuildChannelMenu({pane.kind() == ui::PaneKind::Radio, m_chosen.favourite(), transponderSelected,
                                     channels.selectedRow() >= 0, channels.sorted_by_name(), groupNames,
                                     ClipboardHoldsChannels()});
    }
    case ui::PaneKind::Favorite:
        break;
    }
    return nullptr;
}

void CMirevoView::ShowPaneMenu(ui::PaneListView& pane, QPoint globalPos) {
    const std::unique_ptr<QMenu> menu = BuildPaneMenu(pane);
    if (!menu)
        return;
    if (QAction* chosen = menu->exec(globalPos))
        HandleCommand(chosen->data().toInt());
}

} // namespace vorlane
