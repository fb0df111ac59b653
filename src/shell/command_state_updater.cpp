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
    const EditDocument& document = view.document();
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
    RenewConnectionCommands(m_view.document().portOpen(), m_view.document().transferRunning());
}

// The panes were refilled (another sort order, or no rows at all) or chose other rows or another display filter.
void CommandStateUpdater::RenewViewCommands() {
    ui::CheckDisplayFilter(m_actions, m_view.displayFilter());
    RenewPaneCommands();
}

void CommandStateUpdater::RenewPaneCommands() {
    const bool satelliteSelected = m_view.satellitePane().selectedSatellite() >= 0;
    const bool transponderSelected = m_view.transponderPane().selectedRow() >= 0;
    ui::ApplySatelliteMenuState(m_actions, {satelliteSelected, m_view.satellitePane().sort_mode()});
    ui::ApplyTransponderMenuState(m_actions,
                                  {satelliteSelected, transponderSelected, m_view.transponderPane().rowCount() == 0,
                                   m_view.transponderPane().sort_mode()});
    const ReceiverSettings settings = HeldReceiverSettings(m_view.database());
    QStringList groupNames;
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group) {
        const std::string name = settings.fav_name(static_cast<std::size_t>(group));
        groupNames << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    const bool favouriteChosen = m_view.chosenList().favourite();
    const bool clipboardHoldsChannels = CMirevoView::ClipboardHoldsChannels();
    for (ui::ChannelPane* pane : {&m_view.tvPane(), &m_view.radioPane()})
        ui::ApplyChannelMenuState(m_actions, {pane == &m_view.radioPane(), favouriteChosen, transponderSelected,
                                              pane->selectedRow() >= 0, pane->sorted_by_name(), groupNames,
                                              clipboardHoldsChannels});
}

void CommandStateUpdater::RenewHistoryCommands() {
    QAction* undo = m_actions.Find(kCmdUndo);
    QAction* redo = m_actions.Find(kCmdRedo);
    if (!undo || !redo)
        return;
    const EditDocument& document = m_view.document();
    undo->setText(document.undoText());
    undo->setEnabled(document.history().CanUndo());
    redo->setText(document.redoText());
    redo->setEnabled(document.history().CanRedo());
}

void CommandStateUpdater::RenewConnectionCommands(bool portOpen, bool transferRunning) {
    ui::ApplyConnectionState(m_actions, portOpen, transferRunning);
}

} // namespace vorlane
