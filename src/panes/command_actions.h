#pragma once
// One action per command number, created once and shared by the menu bar, the toolbar and the panes' context
// menus, so that an enabled or checked state set here shows the same everywhere.

#include <QString>
#include <map>

class QAction;
class QObject;

namespace vorlane::ui {

class CommandActions {
public:
    // The action of `command` with `text`, owned by `owner`: its data is the number and its object name
    // "command<number>". A number has one action only.
    QAction* Add(int command, const QString& text, QObject& owner);
    // The action of a number; nullptr for a number without one.
    QAction* Find(int command) const;
    // The action of a number that has one.
    QAction* Action(int command) const { return m_actions.at(command); }

    void SetEnabled(int command, bool enabled) const;
    void SetChecked(int command, bool checked) const;

    auto begin() const { return m_actions.begin(); }
    auto end() const { return m_actions.end(); }

private:
    std::map<int, QAction*> m_actions;
};

} // namespace vorlane::ui
