#pragma once
// Widget tests run with every prompt recorded: an unscripted question fails the test instead of blocking on a
// modal window.

#include "platform/widgets/user_prompts.h"

#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace vorlane::ui {

class ScriptedPrompts : public ::testing::Test {
protected:
    void SetUp() override {
        UserPrompts::Reset();
        UserPrompts::StartRecording();
    }
    void TearDown() override { UserPrompts::Reset(); }
};

// The control of a dialog (or window) with this object name; a missing one stops the test program loudly.
template <typename Control> Control& Find(QWidget& window, const char* objectName) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(objectName));
    if (!control)
        qFatal("no control %s of type %s", objectName, Control::staticMetaObject.className());
    return *control;
}

} // namespace vorlane::ui
