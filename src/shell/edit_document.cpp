#include "shell/edit_document.h"

namespace vorlane {
namespace {

// Changes that no command named itself are still undoable under this name.
constexpr const char* kUnnamedEdit = "Edit";

QString WithLabel(const char* verb, const std::string& label) {
    QString text = QString::fromLatin1(verb);
    if (!label.empty())
        text += QLatin1Char(' ') + QString::fromStdString(label);
    return text;
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
    auto subjects = m_history.Undo(kUnnamedEdit);
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
    return WithLabel("Undo", m_history.UndoLabel());
}

QString EditDocument::redoText() const {
    return WithLabel("Redo", m_history.RedoLabel());
}

} // namespace vorlane
