#pragma once
// Keeps the enabled and checked states of the commands' actions true to the document's signals: the pane commands
// and display filters when the panes are refilled or their rows chosen, Undo and Redo and the favourite groups'
// names when the history changes, "Paste" when the clipboard does, and the connection commands when the loader's
// port or transfer does. Nothing is polled.

#include <QObject>

namespace vorlane {

class CMirevoView;

namespace ui {
class CommandActions;
}

class CommandStateUpdater : public QObject {
public:
    // Follows the view's document; `actions` is the view's registry, which the frame fills with its menus later.
    CommandStateUpdater(CMirevoView& view, const ui::CommandActions& actions);

    // Every state at once, as after the frame added its actions.
    void RenewAll();

private:
    void RenewViewCommands();
    void RenewPaneCommands();
    void RenewHistoryCommands();
    void RenewConnectionCommands(bool portOpen, bool transferRunning);

    CMirevoView& m_view;
    const ui::CommandActions& m_actions;
};

} // namespace vorlane
