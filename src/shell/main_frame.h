#pragma once
// CMainFrame: the main window. It carries the menu bar, its own "Message" dialog and the one form view, keeps the
// title rules and asks before closing with unsaved changes.

#include "shell/close_question.h"
#include "shell/main_menu.h"
#include "shell/message_dialog.h"

#include <QMainWindow>
#include <string>

namespace vorlane {

class ChannelDatabase;
class CMirevoView;
class SettingsStore;

class CMainFrame : public QMainWindow {
public:
    static constexpr int kMinimumWidth = 800;
    static constexpr int kMinimumHeight = 600;

    // Creates the view and runs its first update; the menus use `menuFont`.
    CMainFrame(ChannelDatabase& database, SettingsStore& store, const QFont& menuFont, QWidget* parent = nullptr);

    CMirevoView& view() { return *m_view; }
    ui::MessageDialog& messageDialog() { return *m_messageDialog; }
    // The menu action of a command number; nullptr for a number the menus do not carry.
    QAction* commandAction(int command) const;

    // How "Yes" in the close question writes the data (the Save command).
    void setSaveHandler(SaveHandler handler) { m_saveHandler = std::move(handler); }

    void ShowStartTitle();
    void ShowNoTitle();
    void ShowFileTitle(const std::string& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChannelDatabase& m_database;
    CMirevoView* m_view;
    ui::MessageDialog* m_messageDialog;
    ui::CommandActions m_actions;
    SaveHandler m_saveHandler;
};

} // namespace vorlane
