#pragma once
// The editor's document: the one ChannelDatabase with its undo history, and the signals that the enabled and
// checked states of the commands follow. Every command that changes the database ends in CommitEdit, which stores
// the change as one undo step named for the user. HistoryChanged tells the Undo and Redo commands and the
// recovery file; ModifiedChanged follows the modified flag; ListsRebuilt and SelectionChanged come from the panes
// (refilled, rows chosen); ConnectionStateChanged from the loader (port opened or closed, transfer started or
// ended).

#include "database/edit_history.h"

#include <QObject>
#include <QString>
#include <optional>

namespace vorlane {

class EditDocument : public QObject {
    Q_OBJECT

public:
    explicit EditDocument(ChannelDatabase& database, QObject* parent = nullptr);

    ChannelDatabase& Database() { return m_database; }
    const EditHistory& History() const { return m_history; }

    // The end of every command that may have changed the database: what changed becomes one undo step named
    // `label` ("Delete 12 channels"), with the records the command worked on for the selection after undo.
    // Nothing happens when nothing changed.
    bool CommitEdit(const QString& label, EditSubjects subjects = {});
    // The subjects of the step taken back or done again, after the lists were rebuilt; nothing when there was
    // no step.
    std::optional<EditSubjects> Undo();
    std::optional<EditSubjects> Redo();

    enum Start { kSaved, kUnsaved };
    // A new or opened database: the history starts again, from the saved state or (recovered work) from an
    // unsaved one.
    void StartAfresh(Start start = kSaved);
    // The database was written to a file (which may have written the sorted lists back into the records): undo or
    // redo back to here clears the modified flag.
    void MarkSaved();

    // "Undo Delete 12 channels", or "Undo" alone when there is nothing to undo; the same for redo.
    QString UndoText() const;
    QString RedoText() const;

    // What the panes show was refilled, or their chosen rows changed.
    void NoteListsRebuilt() { emit ListsRebuilt(); }
    void NoteSelectionChanged() { emit SelectionChanged(); }
    // The loader's port and transfer now; ConnectionStateChanged when either differs from the last note.
    void NoteConnectionState(bool portOpen, bool transferRunning);
    bool PortOpen() const { return m_portOpen; }
    bool TransferRunning() const { return m_transferRunning; }

signals:
    void HistoryChanged();
    void ModifiedChanged(bool modified);
    void ListsRebuilt();
    void SelectionChanged();
    void ConnectionStateChanged(bool portOpen, bool transferRunning);

private:
    // HistoryChanged, then TellModified.
    void TellHistoryChanged();
    // ModifiedChanged when the flag differs from the last one told.
    void TellModified();

    ChannelDatabase& m_database;
    EditHistory m_history;
    bool m_modified = false;
    bool m_portOpen = false;
    bool m_transferRunning = false;
};

} // namespace vorlane
