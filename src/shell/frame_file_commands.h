#pragma once
// The main frame's file commands: New, Open, Save, Save as and Export, with their questions, file choices and
// reports, and the last chosen path (profile section "Path", entry "Data") that every file choice starts in.

#include "shell/recent_files.h"

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

class ChannelDatabase;
class CMainFrame;
class SettingsStore;

class FrameFileCommands {
public:
    FrameFileCommands(CMainFrame& frame, ChannelDatabase& database, SettingsStore& store);

    // Asks "Clear all data ?"; Yes makes a new empty database, titles the window "(No Title)" and refreshes the
    // panes.
    void New();
    // Offers to save unsaved changes, then opens the chosen file. A file that cannot be opened changes nothing.
    void Open();
    // Offers to save unsaved changes, then opens `path`: a recent file, a dropped file, the command line's.
    void OpenPath(const QString& path);
    // Takes up the work a crash left: the database from `bytes`, under the name of the file it came from, and
    // unsaved.
    void OpenRecovered(std::vector<std::uint8_t> bytes, const QString& originalPath);
    // Asks "Are you sure Save?", then writes as WriteLikeSave does.
    void Save();
    // Writes to a chosen file, offering the current file or the imported one's name as a channel file; the
    // current file and the title stay. True when written; a failed write has been shown to the user already.
    bool SaveAs();
    // Writes the text listing to a chosen file.
    void Export();

    // Writes the data without asking first: to the current file, or through Save as when there is none. True when
    // written, false when the write failed (shown to the user already) or the choice was cancelled.
    bool WriteLikeSave();

    const QString& LastChosenPath() const { return m_lastChosenPath; }
    const RecentFiles& RecentFileList() const { return m_recentFiles; }

private:
    // The view after the database became a new, empty one: no undo steps, no title, every pane refilled.
    void ShowNewDatabase();
    // False when the user cancelled or the save he asked for did not write.
    bool MaySetUnsavedWorkAside();
    void OpenChosenFile(const QString& path);
    // After an accepted open: the history starts again, the title names the file, the panes show it.
    void ShowOpened(const QString& path);
    // The chosen path, starting at `start`, with the filter's extension added when it has none; empty when
    // cancelled.
    QString ChooseSavePath(const QString& title, const QString& filter, const QString& start);
    [[nodiscard]] bool WriteChannelFile(const std::string& path);
    // Before the first save over the opened file: its old contents as NAME.bak, when the user keeps backups.
    bool KeepBackupBeforeSave(const std::string& path);
    void RememberPath(const QString& path);
    void ShowError(const QString& text);
    void ShowInformation(const QString& text);

    CMainFrame& m_frame;
    ChannelDatabase& m_database;
    SettingsStore& mStore;
    QString m_lastChosenPath;
    RecentFiles m_recentFiles;
    // The opened file was saved over once (and its backup kept, when wanted) since it was opened.
    bool m_openedFileSaved = false;
};

} // namespace vorlane
