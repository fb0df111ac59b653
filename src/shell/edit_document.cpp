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
    if (!m_history.Commit(label.toStdString(), std::move(subjects)))
        return false;
    emit historyChanged();
    return true;
}

std::optional<EditSubjects> EditDocument::Undo() {
    auto subjects = m_history.Undo(UnnamedEdit().toStdString());
    if (subjects)
        emit historyChanged();
    return subjects;
}

std::optional<EditSubjects> EditDocument::Redo() {
    auto subjects = m_history.Redo();
    if (subjects)
        emit historyChanged();
    return subjects;
}

void EditDocument::StartAfresh(Start start) {
    m_history.Reset();
    if (start == kUnsaved)
        m_history.ForgetSavedState();
    emit historyChanged();
}

void EditDocument::MarkSaved() {
    m_history.AbsorbChanges();
    m_history.MarkSaved();
    m_database.setModified(false);
    emit historyChanged();
}

QString EditDocument::undoText() const {
    return WithLabel(QT_TRANSLATE_NOOP("EditDocument", "Undo"), QT_TRANSLATE_NOOP("EditDocument", "Undo %1"),
                     m_history.UndoLabel());
}

QString EditDocument::redoText() const {
    return WithLabel(QT_TRANSLATE_NOOP("EditDocument", "Redo"), QT_TRANSLATE_NOOP("EditDocument", "Redo %1"),
                     m_history.RedoLabel());
}

} // namespace vorlane
