#pragma once
// The main frame's file commands: New, Open, Save, Save as and Export, with their questions, file choices and
// reports, and the last chosen path (profile section "Path", entry "Data") that every file choice starts in.

#include <QString>
#include <string>

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
    // Asks "Are you sure Save?", then writes as WriteLikeSave does.
    void Save();
    // Writes to a chosen file, offering the current file or the imported one's name as a channel file; the
    // current file and the title stay. 1 when written.
    int SaveAs();
    // Writes the text listing to a chosen file.
    void Export();

    // Writes the data without asking first: to the current file, or through Save as when there is none. 1 when
    // written, 0 when the write failed or the choice was cancelled.
    int WriteLikeSave();

    const QString& lastChosenPath() const { return m_lastChosenPath; }

private:
    // False when the user cancelled or the save he asked for did not write.
    bool MaySetUnsavedWorkAside();
    void OpenChosenFile(const QString& path);
    // The chosen path, starting at `start`, with the filter's extension added when it has none; empty when
    // cancelled.
    QString ChooseSavePath(const QString& title, const QString& filter, const QString& start);
    int WriteChannelFile(const std::string& path);
    void RememberPath(const QString& path);
    void ShowError(const QString& text);
    void ShowInformation(const QString& text);

    CMainFrame& m_frame;
    ChannelDatabase& m_database;
    SettingsStore& m_store;
    QString m_lastChosenPath;
};

} // namespace vorlane
