#pragma once
// Hands the serial watcher's deliveries and the break-in sender's report to the user-interface thread. Each task
// is queued here and announced by an event to a context object that lives there, so it runs from the event loop
// in posting order, also while a modal dialog runs its own nested loop.

#include "loader/owner_dispatcher.h"

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

namespace vorlane::ui {

class QtOwnerDispatcher final : public OwnerDispatcher {
public:
    // Create it on the user-interface thread. Tasks still queued when it is destroyed are dropped.
    QtOwnerDispatcher();

    void Post(std::function<void()> task) override;
    // Runs after every task: a delivery may have opened or closed the port, started or ended a transfer.
    void SetAfterTask(std::function<void()> afterTask) { m_afterTask = std::move(afterTask); }

private:
    class Context final : public QObject {
    public:
        explicit Context(QtOwnerDispatcher& owner) : m_owner(owner) {}

    protected:
        // Only this dispatcher posts events of its own type here; the event itself is not read, so nothing
        // handed through Qt's queue is touched from our code.
        void customEvent(QEvent*) override;

    private:
        QtOwnerDispatcher& m_owner;
    };

    void RunNext();

    // The tasks pass through our own locked queue, not inside Qt's events: the hand-over between the threads is
    // then one that race detectors see.
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
    std::function<void()> m_afterTask;
    Context m_context{*this};
};

} // namespace vorlane::ui
