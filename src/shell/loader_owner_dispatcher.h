#pragma once
// Hands the serial watcher's deliveries and the break-in sender's report to the user-interface thread. Each task
// becomes a queued call on a context object that lives there, so it runs from the event loop in posting order,
// also while a modal dialog runs its own nested loop.

#include "loader/owner_dispatcher.h"

#include <QObject>

namespace vorlane::ui {

class QtOwnerDispatcher final : public OwnerDispatcher {
public:
    // Create it on the user-interface thread. Tasks still queued when it is destroyed are dropped.
    QtOwnerDispatcher() = default;

    void Post(std::function<void()> task) override;
    // Runs after every task: a delivery may have opened or closed the port, started or ended a transfer.
    void SetAfterTask(std::function<void()> afterTask) { m_afterTask = std::move(afterTask); }

private:
    QObject m_context;
    std::function<void()> m_afterTask;
};

} // namespace vorlane::ui
