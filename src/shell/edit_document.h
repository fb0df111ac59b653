#pragma once
// The editor's document: the one ChannelDatabase with its undo history. Every command that changes the database
// ends in CommitEdit, which stores the change as one undo step named for the user; historyChanged tells the
// frame (Undo and Redo texts) and the recovery file (the modified flag may have changed with it).

#include "database/edit_history.h"

#include <QObject>
#include <QString>
#include <optional>

namespace vorlane {

class EditDocument : public QObject {
    Q_OBJECT

public:
    explicit EditDocument(ChannelDatabase& database, QObject* parent = nullptr);

    ChannelDatabase& database() { return m_database; }
    const EditHistory& history() const { return m_history; }

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
    QString undoText() const;
    QString redoText() const;

signals:
    void historyChanged();

private:
    ChannelDatabase& m_database;
    EditHistory m_history;
};

} // namespace vorlane
