#pragma once
// Shared pieces of the loader window tests: running the event loop until something holds, reading the text of
// the "Message" dialog a scripted answer acts on, and answering the safety steps of a channel-file upload.

#include "platform/widgets/user_prompts.h"
#include "shell/message_dialog.h"

#include <QCheckBox>
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

// Answers "Upload Channel File" with OK, its boxes set as given (both clear: the upload goes up as it always did).
inline void ScriptUploadSafety(bool backUpFirst, bool verify) {
    UserPrompts::ScriptAnswer([=](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("backUpFirstBox"))->setChecked(backUpFirst);
        dialog.findChild<QCheckBox*>(QStringLiteral("verifyBox"))->setChecked(verify);
        return int(QDialog::Accepted);
    });
}

} // namespace vorlane::ui
