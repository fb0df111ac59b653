#include "shell/loader_owner_dispatcher.h"

#include <QMetaObject>

namespace vorlane::ui {

void QtOwnerDispatcher::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        &m_context,
        [this, task = std::move(task)] {
            task();
            if (m_afterTask)
                m_afterTask();
        },
        Qt::QueuedConnection);
}

} // namespace vorlane::ui
