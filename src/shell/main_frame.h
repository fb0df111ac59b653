#pragma once
// CMainFrame: the main window. It carries the menu bar, the toolbar, its own "Message" dialog and the one form
// view, runs the frame's commands by number, keeps the title rules and asks before closing with unsaved changes.

#include "shell/close_question.h"
#include "shell/frame_file_commands.h"
#include "shell/frame_list_tool_commands.h"
#include "shell/frame_tuner_commands.h"
#include "shell/main_menu.h"
#include "shell/message_dialog.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QToolBar;

namespace vorlane {

class ChannelDatabase;
class CMirevoView;
class RecoveryFile;
class SettingsStore;

class CMainFrame : public QMainWindow {
public:
    static constexpr int kMinimumWidth = 800;
    static constexpr int kMinimumHeight = 600;

    // Creates the view and runs its first update; the menus use `menuFont`. The close question's "Yes" writes
    // as Save does.
    CMainFrame(ChannelDatabase& database, SettingsStore& store, const QFont& menuFont, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CMirevoView& View() { return *m_view; }
    ui::MessageDialog& Messages() { return *m_messageDialog; }
    FrameFileCommands& FileCommands() { return m_fileCommands; }
    FrameListToolCommands& ListTools() { return *m_listTools; }
    QToolBar& ToolBar() { return *m_toolBar; }
    QMenu& RecentFilesMenu() { return *m_recentFilesMenu; }
    // The action of a command number (menus, toolbar, the panes' context menus); nullptr for a number without one.
    QAction* CommandAction(int command) const;

    // Runs the command with this number, as its menu entry, toolbar button or accelerator does. False for a
    // number the frame does not handle and for a grayed connection command.
    bool OnCommand(int command);

    // How "Yes" in the close question writes the data.
    void SetSaveHandler(SaveHandler handler) { m_saveHandler = std::move(handler); }

    // At start: offers the unsaved work an earlier run left behind ("Recover unsaved changes from <time>?").
    void OfferRecovery();
    RecoveryFile& Recovery() { return *m_recovery; }

    void ShowStartTitle();
    void ShowNoTitle();
    void ShowFileTitle(const std::string& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A file dragged from the file manager is opened when dropped, after the question about unsaved work.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectCommands();
    // File > "Recent Files", filled from the list each time it opens; files that are gone are grayed.
    void AddRecentFilesMenu();
    void FillRecentFilesMenu();

    ChannelDatabase& m_database;
    SettingsStore& mStore;
    CMirevoView* m_view;
    ui::MessageDialog* m_messageDialog;
    QToolBar* m_toolBar;
    QMenu* m_recentFilesMenu = nullptr;
    RecoveryFile* m_recovery = nullptr;
    FrameFileCommands m_fileCommands;
    std::unique_ptr<FrameTunerCommands> m_tunerCommands;
    std::unique_ptr<FrameListToolCommands> m_listTools;
    SaveHandler m_saveHandler;
};

} // namespace vorlane
