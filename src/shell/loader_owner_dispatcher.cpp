#include "shell/loader_owner_dispatcher.h"

#include <QMetaObject>

namespace vorlane::ui {

void QtOwnerDispatcher::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(&m_context, std::move(task), Qt::QueuedConnection);
}

} // namespace vorlane::ui
