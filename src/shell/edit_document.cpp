#include "shell/edit_document.h"

#include <QCoreApplication>

namespace vorlane {
namespace {

// Changes that no command named itself are still undoable under this name.
QString UnnamedEdit() {
    return QCoreApplication::translate("EditDocument", "Edit");
}

// "Undo" or "Redo" alone, or with the step's name.
QString WithLabel(const char* alone, const char* named, const std::string& label) {
    if (label.empty())
        return QCoreApplication::translate("EditDocument", alone);
    return QCoreApplication::translate("EditDocument", named).arg(QString::fromStdString(label));
}

} // namespace

EditDocument::EditDocument(ChannelDatabase& database, QObject* parent)
    : QObject(parent), m_database(database), m_history(database) {}

bool EditDocument::CommitEdit(const QString& label, EditSubjects subjects) {
    if (!m_history.Commit(label.toStdString(), std::move(subjects))) {
        // A command may have set the modified flag without changing a byte.
        TellModified();
        return false;
    }
    TellHistoryChanged();
    return true;
}

std::optional<EditSubjects> EditDocument::Undo() {
    auto subjects = m_history.Undo(UnnamedEdit().toStdString());
    if (subjects)
        TellHistoryChanged();
    return subjects;
}

std::optional<EditSubjects> EditDocument::Redo() {
    auto subjects = m_history.Redo();
    if (subjects)
        TellHistoryChanged();
    return subjects;
}

void EditDocument::StartAfresh(Start start) {
    m_history.Reset();
    if (start == kUnsaved)
        m_history.ForgetSavedState();
    TellHistoryChanged();
}

void EditDocument::MarkSaved() {
    m_history.AbsorbChanges();
    m_history.MarkSaved();
    m_database.SetModified(false);
    TellHistoryChanged();
}

void EditDocument::TellHistoryChanged() {
    emit HistoryChanged();
    TellModified();
}

void EditDocument::TellModified() {
    if (m_database.Modified() == m_modified)
        return;
    m_modified = m_database.Modified();
    emit ModifiedChanged(m_modified);
}

void EditDocument::NoteConnectionState(bool portOpen, bool transferRunning) {
    if (portOpen == m_portOpen && transferRunning == m_transferRunning)
        return;
    m_portOpen = portOpen;
    m_transferRunning = transferRunning;
    emit ConnectionStateChanged(portOpen, transferRunning);
}

QString EditDocument::UndoText() const {
    return WithLabel(QT_TRANSLATE_NOOP("EditDocument", "Undo"), QT_TRANSLATE_NOOP("EditDocument", "Undo %1"),
                     m_history.UndoLabel());
}

QString EditDocument::RedoText() const {
    return WithLabel(QT_TRANSLATE_NOOP("EditDocument", "Redo"), QT_TRANSLATE_NOOP("EditDocument", "Redo %1"),
                     m_history.RedoLabel());
}

} // namespace vorlane
