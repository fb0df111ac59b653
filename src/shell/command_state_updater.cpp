#include "shell/command_state_updater.h"

#include "database/favourite_groups.h"
#include "database/settings_record.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_menus.h"
#include "shell/edit_document.h"
#include "shell/frame_command_states.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace vorlane {

CommandStateUpdater::CommandStateUpdater(CMirevoView& view, const ui::CommandActions& actions)
    : QObject(&view), m_view(view), m_actions(actions) {
    const EditDocument& document = view.Document();
    connect(&document, &EditDocument::ListsRebuilt, this, &CommandStateUpdater::RenewViewCommands);
    connect(&document, &EditDocument::SelectionChanged, this, &CommandStateUpdater::RenewViewCommands);
    connect(&document, &EditDocument::HistoryChanged, this, [this] {
        RenewHistoryCommands();
        RenewPaneCommands(); // a step may rename a favourite group
    });
    connect(&document, &EditDocument::ConnectionStateChanged, this, &CommandStateUpdater::RenewConnectionCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CommandStateUpdater::RenewPaneCommands);
}

void CommandStateUpdater::RenewAll() {
    RenewViewCommands();
    RenewHistoryCommands();
    RenewConnectionCommands(m_view.Document().PortOpen(), m_view.Document().TransferRunning());
}

// The panes were refilled (another sort order, or no rows at all) or chose other rows or another display filter.
void CommandStateUpdater::RenewViewCommands() {
    ui::CheckDisplayFilter(m_actions, m_view.DisplayFilter());
    RenewPaneCommands();
}

void CommandStateUpdater::RenewPaneCommands() {
    const bool satelliteSelected = m_view.SatelliteListPane().SelectedSatellite() >= 0;
    const bool transponderSelected = m_view.TransponderListPane().SelectedRow() >= 0;
    ui::ApplySatelliteMenuState(m_actions, {satelliteSelected, m_view.SatelliteListPane().SortMode()});
    ui::ApplyTransponderMenuState(m_actions,
                                  {satelliteSelected, transponderSelected, m_view.TransponderListPane().RowCount() == 0,
                                   m_view.TransponderListPane().SortMode()});
    const ReceiverSettings settings = HeldReceiverSettings(m_view.Database());
    QStringList groupNames;
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group) {
        const std::string name = settings.fav_name(static_cast<std::size_t>(group));
        groupNames << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    const bool favouriteChosen = m_view.CurrentChosenList().Favourite();
    const bool clipboardHoldsChannels = CMirevoView::ClipboardHoldsChannels();
    for (ui::ChannelPane* pane : {&m_view.TvPane(), &m_view.RadioPane()})
        ui::ApplyChannelMenuState(m_actions,
                                  {pane == &m_view.RadioPane(), favouriteChosen, transponderSelected,
                                   pane->SelectedRow() >= 0, pane->SortedByName(), groupNames, clipboardHoldsChannels});
}

void CommandStateUpdater::RenewHistoryCommands() {
    QAction* undo = m_actions.Find(kCmdUndo);
    QAction* redo = m_actions.Find(kCmdRedo);
    if (!undo || !redo)
        return;
    const EditDocument& document = m_view.Document();
    undo->setText(document.UndoText());
    undo->setEnabled(document.History().CanUndo());
    redo->setText(document.RedoText());
    redo->setEnabled(document.History().CanRedo());
}

void CommandStateUpdater::RenewConnectionCommands(bool portOpen, bool transferRunning) {
    ui::ApplyConnectionState(m_actions, portOpen, transferRunning);
}

} // namespace vorlane
