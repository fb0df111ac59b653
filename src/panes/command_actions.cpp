#include "panes/command_actions.h"

#include <QAction>

namespace vorlane::ui {

QAction* CommandActions::Add(int command, const QString& text, QObject& owner) {
    Q_ASSERT(!m_actions.contains(command));
    auto* action = new QAction(text, &owner);
    action->setObjectName(QStringLiteral("command%1").arg(command));
    action->setData(command);
    m_actions[command] = action;
    return action;
}

QAction* CommandActions::Find(int command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

void CommandActions::SetEnabled(int command, bool enabled) const {
    Action(command)->setEnabled(enabled);
}

void CommandActions::SetChecked(int command, bool checked) const {
    Action(command)->setChecked(checked);
}

} // namespace vorlane::ui
