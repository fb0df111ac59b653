#pragma once
// Loader window tests: running the event loop until something holds, and the text of a scripted "Message" dialog.

#include "platform/widgets/user_prompts.h"
#include "shell/message_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <chrono>
#include <functional>
#include <string>

namespace vorlane::ui {

// Handles events, queued deliveries included, until `done` holds or the time is up; returns done().
inline bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeout.count())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

inline std::string MessageText(QDialog& dialog) {
    return static_cast<MessageDialog&>(dialog).Text().toStdString();
}

} // namespace vorlane::ui
