#pragma once
// The find dialog a pane opens for Ctrl+F: the controls show the pane's FindState; "Find Next" stores them back
// and closes, "Cancel" keeps the previous state (so F3 repeats the previous search).

#include "panes/find_state.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vorlane::ui {

class FindDialog : public QDialog {
public:
    explicit FindDialog(FindState& state, QWidget* parent = nullptr);

private:
    void StoreAndAccept();

    FindState& m_state;
    QLineEdit* m_findText;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
};

// Runs the dialog modally over the pane's state; true when the user pressed "Find Next", false otherwise.
[[nodiscard]] bool AskFind(QWidget* parent, FindState& state);

} // namespace vorlane::ui
