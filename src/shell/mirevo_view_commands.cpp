// CMirevoView: the commands of the panes' context menus, keys and order buttons.
#include "shell/mirevo_view.h"

#include "database/delete_transponders.h"
#include "database/move_channels.h"
#include "database/pk_channel.h"
#include "database/settings_record.h"
#include "panes/channel_dialog.h"
#include "panes/channel_pane.h"
#include "panes/edit_labels.h"
#include "panes/label_panes.h"
#include "panes/move_to_dialog.h"
#include "panes/pane_commands.h"
#include "panes/rename_dialog.h"
#include "panes/satellite_dialog.h"
#include "panes/transponder_dialog.h"
#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <algorithm>
#include <array>

namespace vorlane {
namespace {

struct SelectCommand {
    int command;
    ServiceType type;
    int rule;
};

constexpr std::array<SelectCommand, 14> kSelectCommands{{
    {kCmdTvSelectAll, ServiceType::Tv, 0},
    {kCmdTvSelectTuner1, ServiceType::Tv, 1},
    {kCmdTvSelectTuner2, ServiceType::Tv, 2},
    {kCmdTvSelectFree, ServiceType::Tv, 3},
    {kCmdTvSelectScrambled, ServiceType::Tv, 4},
    {kCmdTvSelectLocked, ServiceType::Tv, 5},
    {kCmdTvSelectSkipped, ServiceType::Tv, 6},
    {kCmdRadioSelectAll, ServiceType::Radio, 0},
    {kCmdRadioSelectTuner1, ServiceType::Radio, 1},
    {kCmdRadioSelectTuner2, ServiceType::Radio, 2},
    {kCmdRadioSelectFree, ServiceType::Radio, 3},
    {kCmdRadioSelectScrambled, ServiceType::Radio, 4},
    {kCmdRadioSelectLocked, ServiceType::Radio, 5},
    {kCmdRadioSelectSkipped, ServiceType::Radio, 6},
}};

} // namespace

bool CMirevoView::HandleCommand(int command) {
    switch (command) {
    case kCmdSatelliteProperty:
        EditSelectedSatellite();
        return true;
    case kCmdSatelliteSortStandard:
    case kCmdSatelliteSortLongitude:
        SetSatelliteSortMode(command == kCmdSatelliteSortLongitude ? 1 : 0);
        return true;
    case kCmdTransponderSortStandard:
    case kCmdTransponderSortFrequency:
        SetTransponderSortMode(command == kCmdTransponderSortFrequency ? 1 : 0);
        return true;
    case kCmdTvOrderOriginal:
    case kCmdTvOrderNames:
        SetChannelOrder(*m_tvPane, command == kCmdTvOrderNames);
        return true;
    case kCmdRadioOrderOriginal:
    case kCmdRadioOrderNames:
        SetChannelOrder(*m_radioPane, command == kCmdRadioOrderNames);
        return true;
    case kCmdTransponderProperty:
        EditSelectedTransponder();
        return true;
    case kCmdTransponderNew:
        AddTransponderToSatellite();
        return true;
    case kCmdTransponderDelete:
        DeleteSelectedTransponder();
        return true;
    case kCmdTransponderDeleteEmpty:
        DeleteEmptyTransponders();
        return true;
    case kCmdTransponderNewTv:
        AddChannel(*m_tvPane);
        return true;
    case kCmdTransponderNewRadio:
        AddChannel(*m_radioPane);
        return true;
    default:
        break;
    }
    if (SelectByCommand(command) || HandleLoaderCommand(command) || SortListByCommand(command))
        return true;
    ui::ChannelPane* pane = ChannelPaneOfCommand(command);
    if (!pane)
        return false;
    const ui::ChannelPaneCommands& own = pane->Commands();
    if (command == own.newChannel)
        AddChannel(*pane);
    else if (command == own.remove)
        DeleteChannels(*pane);
    else if (command == own.moveTo)
        MoveChannelsTo(*pane);
    else if (command == own.property)
        EditCaretChannel(*pane);
    else if (command == own.copy)
        CopyChannels(*pane);
    else if (command == own.paste)
        PasteChannels(*pane);
    else
        HandleChannelOrderCommand(*pane, command);
    return true;
}

ui::ChannelPane* CMirevoView::ChannelPaneOfCommand(int command) {
    for (ui::ChannelPane* pane : {m_tvPane, m_radioPane}) {
        const ui::ChannelPaneCommands& own = pane->Commands();
        for (const int number : {own.newChannel, own.remove, own.moveTo, own.property, own.copy, own.paste, own.moveTop,
                                 own.moveBottom, own.moveUp, own.moveDown})
            if (number == command)
                return pane;
        if (command >= own.addFavourite && command < own.addFavourite + FavouriteGroups::kGroupCount)
            return pane;
    }
    return nullptr;
}

bool CMirevoView::SelectByCommand(int command) {
    for (const SelectCommand& select : kSelectCommands) {
        if (select.command == command) {
            ui::ChannelPane& pane = select.type == ServiceType::Radio ? *m_radioPane : *m_tvPane;
            pane.SelectByRule(select.rule);
            ChooseChannel(pane);
            return true;
        }
    }
    return false;
}

void CMirevoView::SetSatelliteSortMode(int mode) {
    const int selected = m_satellitePane->SelectedRow() < 0 ? -2 : m_satellitePane->SelectedSatellite();
    m_satellitePane->SetSortMode(mode);
    KeepSelection(*m_satellitePane, m_satellitePane->RowOf(selected));
    RenewCountLabels();
    (mode == 1 ? m_satelliteLongitude : m_satelliteStandard)->setChecked(true);
}

void CMirevoView::SetTransponderSortMode(int mode) {
    const int selected = m_transponderPane->SelectedTransponder();
    m_transponderPane->SetSortMode(mode);
    if (selected >= 0)
        KeepSelection(*m_transponderPane, m_transponderPane->RowOf(selected));
    RenewCountLabels();
    (mode == 1 ? m_transponderFrequency : m_transponderStandard)->setChecked(true);
}

void CMirevoView::SetChannelOrder(ui::ChannelPane& pane, bool byName) {
    pane.SetSortedByName(byName);
    ReloadChannelPane(pane);
    const bool radio = &pane == m_radioPane;
    QRadioButton* pressed = byName ? (radio ? m_radioNames : m_tvNames) : (radio ? m_radioOriginal : m_tvOriginal);
    pressed->setChecked(true);
}

void CMirevoView::EditSelectedSatellite() {
    const int satellite = m_satellitePane->SelectedSatellite();
    if (satellite < 0)
        return;
    if (ui::EditSatellite(this, m_database.Satellite(satellite), HeldReceiverSettings(m_database))) {
        m_database.SetModified(true);
        CommitEdit(QCoreApplication::translate("MirevoViewCommands", "Edit satellite"),
                   EditSubjects{{satellite}, {}, {}});
        const int row = m_satellitePane->SelectedRow();
        RefillSatellitePane();
        KeepSelection(*m_satellitePane, row);
    }
    ChooseSatellite();
}

void CMirevoView::EditSelectedTransponder() {
    const int transponder = m_transponderPane->SelectedTransponder();
    if (transponder < 0)
        return;
    if (ui::EditTransponder(this, m_database, transponder)) {
        m_database.SetModified(true);
        CommitEdit(QCoreApplication::translate("MirevoViewCommands", "Edit transponder"),
                   EditSubjects{{}, {transponder}, {}});
        const int row = m_transponderPane->SelectedRow();
        RefillTransponderPane(m_transponderPane->Satellite());
        KeepSelection(*m_transponderPane, row);
    }
    ChooseTransponder();
}

void CMirevoView::AddTransponderToSatellite() {
    const int satellite = m_satellitePane->SelectedSatellite();
    if (satellite < 0)
        return;
    const int row = m_transponderPane->SelectedRow();
    if (!ui::AddNewTransponder(this, m_database, satellite))
        return;
    CommitEdit(QCoreApplication::translate("MirevoViewCommands", "New transponder"));
    RefillTransponderPane(m_transponderPane->Satellite());
    RefillChannelPanes();
    SetInformationLine(QString());
    KeepSelection(*m_transponderPane, row);
}

void CMirevoView::DeleteSelectedTransponder() {
    const auto answer = ui::UserPrompts::Message(
        this, QMessageBox::Warning, QCoreApplication::translate("MirevoViewCommands", "Warning"),
        QCoreApplication::translate("MirevoViewCommands", "Transponder contains channels, delete anyway?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    const int row = m_transponderPane->SelectedRow();
    if (answer != QMessageBox::Yes || row < 0)
        return;
    const int transponder = m_transponderPane->SelectedTransponder();
    if (!m_transponderPane->DeleteSelected())
        return;
    CommitEdit(QCoreApplication::translate("MirevoViewCommands", "Delete transponder"),
               EditSubjects{{}, {transponder}, {}});
    RefreshAfterTransponderDelete(row);
}

void CMirevoView::DeleteEmptyTransponders() {
    const int row = m_transponderPane->SelectedRow();
    vorlane::DeleteEmptyTransponders(m_database);
    CommitEdit(QCoreApplication::translate("MirevoViewCommands", "Delete empty transponders"));
    RefreshAfterTransponderDelete(row);
}

// The transponder pane, the channel panes and the satellite labels (channel counts) show the deletion. A chosen
// transponder that is gone hands the choice to the row that took its place (or the one above), so the channel
// panes never show a list that no longer exists.
void CMirevoView::RefreshAfterTransponderDelete(int row) {
    const int satelliteRow = m_satellitePane->SelectedRow();
    RefillSatellitePane();
    KeepSelection(*m_satellitePane, satelliteRow);
    RefillTransponderPane(m_transponderPane->Satellite());
    RefillFavouritePane();
    SetInformationLine(QString());
    if (m_chosen.kind == ChosenList::kTransponder) {
        const int count = m_transponderPane->RowCount();
        const int kept = m_transponderPane->RowOf(m_chosen.index);
        if (count > 0) {
            m_transponderPane->SelectRow(kept >= 0 ? kept : std::clamp(row, 0, count - 1));
            ChooseTransponder();
            return;
        }
        m_chosen = ChosenList{ChosenList::kSatellite, m_transponderPane->Satellite()};
    }
    RefillChannelPanes();
    KeepSelection(*m_transponderPane, row);
}

void CMirevoView::AddChannel(ui::ChannelPane& pane) {
    const int transponder = m_transponderPane->SelectedTransponder();
    if (transponder < 0 || m_chosen.Favourite())
        return;
    const int transponderRow = m_transponderPane->SelectedRow();
    if (!ui::AddNewChannel(this, m_database, transponder, pane.Type()))
        return;
    m_database.SetModified(true);
    CommitEdit(QCoreApplication::translate("MirevoViewCommands", "New channel"));
    ReloadChannelPane(pane);
    RefillTransponderPane(m_transponderPane->Satellite());
    KeepSelection(*m_transponderPane, transponderRow);
    SetInformationLine(QString());
    pane.setFocus();
    KeepSelection(pane, pane.RowCount() - 1);
}

void CMirevoView::DeleteChannels(ui::ChannelPane& pane) {
    const std::vector<Pk> pks = pane.SelectedPks();
    const int first = pane.DeleteSelected();
    if (first < 0) {
        KeepSelection(pane, 0);
        return;
    }
    const auto count = static_cast<qsizetype>(pks.size());
    CommitEdit(m_chosen.Favourite() ? ui::CountedEditLabel(ui::CountedEdit::RemoveFromFavourites, count)
                                    : ui::CountedEditLabel(ui::CountedEdit::Delete, count),
               EditSubjects{{}, {}, pks});
    ReloadChannelPane(*m_tvPane);
    ReloadChannelPane(*m_radioPane);
    RefillFavouritePane();
    RefillListPanesKeepingSelection();
    RenewCountLabels();
    KeepSelection(pane, first < pane.RowCount() ? first : first - 1);
    ChooseChannel(pane);
}

void CMirevoView::MoveChannelsTo(ui::ChannelPane& pane) {
    if (pane.SelectedRow() < 0 || pane.SortedByName())
        return;
    int number = 0;
    if (ui::AskChannelMoveTarget(this, number))
        MoveSelectedChannels(pane, number);
}

// The number is the one the pane's number column shows, in any view.
void CMirevoView::MoveSelectedChannels(ui::ChannelPane& pane, int number) {
    const std::vector<Pk> pks = pane.SelectedPks();
    if (pks.empty() || MoveChannelsToNumber(m_database, pane.Type(), number, pks) == 0)
        return;
    m_database.SetModified(true);
    RebuildPkChannel(m_database);
    CommitEdit(ui::CountedEditLabel(ui::CountedEdit::Move, static_cast<qsizetype>(pks.size())),
               EditSubjects{{}, {}, pks});
    ReloadChannelPane(pane);
    pane.SelectPks(pks);
    SetInformationLine(QString());
}

void CMirevoView::EditCaretChannel(ui::ChannelPane& pane) {
    const std::optional<Pk> caretPk = pane.PkAt(pane.CaretRow());
    if (!caretPk)
        return;
    const Pk pk = *caretPk;
    if (ui::EditChannel(this, m_database, pk)) {
        m_database.SetModified(true);
        CommitEdit(QCoreApplication::translate("MirevoViewCommands", "Edit channel"), EditSubjects{{}, {}, {pk}});
        const std::vector<Pk> selected = pane.SelectedPks();
        ReloadChannelPane(pane);
        pane.SelectPks(selected);
    }
    ChooseChannel(pane);
}

void CMirevoView::RenameGroup(int row) {
    const int group = m_favouritePane->RowId(row);
    if (group < 0)
        return;
    if (ui::RenameFavouriteGroup(this, HeldReceiverSettings(m_database), group)) {
        m_database.SetModified(true);
        CommitEdit(QCoreApplication::translate("MirevoViewCommands", "Rename favourite group"));
        RefillFavouritePane();
    }
    KeepSelection(*m_favouritePane, row);
    ChooseFavouriteGroup();
}

} // namespace vorlane
