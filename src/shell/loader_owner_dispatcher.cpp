#include "shell/loader_owner_dispatcher.h"

#include <QCoreApplication>
#include <QEvent>

namespace vorlane::ui {
namespace {

const QEvent::Type kRunTaskEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

QtOwnerDispatcher::QtOwnerDispatcher() = default;

void QtOwnerDispatcher::Post(std::function<void()> task) {
    {
        const std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    QCoreApplication::postEvent(&m_context, new QEvent(kRunTaskEvent));
}

// One task per event, so a task that opens a modal box lets the next ones run inside its loop, in order.
void QtOwnerDispatcher::RunNext() {
    std::function<void()> task;
    {
        const std::lock_guard lock(m_mutex);
        if (m_tasks.empty())
            return;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
    }
    task();
    if (m_afterTask)
        m_afterTask();
}

void QtOwnerDispatcher::Context::customEvent(QEvent*) {
    m_owner.RunNext();
}

} // namespace vorlane::ui
