#pragma once
// Driving the property dialogs through their named controls, the way a user would.

#include "platform/widgets/user_prompts.h"
#include "scripted_prompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <gtest/gtest.h>

namespace vorlane::testing {

using ui::Find;

inline void choose(QDialog& dialog, const char* list, const QString& item) {
    QComboBox& box = Find<QComboBox>(dialog, list);
    const int index = box.findText(item);
    ASSERT_GE(index, 0) << item.toStdString() << " is not in " << list;
    box.setCurrentIndex(index);
}

inline void type(QDialog& dialog, const char* edit, const QString& text) {
    Find<QLineEdit>(dialog, edit).setText(text);
}

inline int pressOk(QDialog& dialog) {
    Find<QAbstractButton>(dialog, "okButton").click();
    return dialog.result();
}

inline int pressCancel(QDialog& dialog) {
    Find<QAbstractButton>(dialog, "cancelButton").click();
    return dialog.result();
}

// The texts of the messages shown since the last call.
inline QStringList messagesShown() {
    QStringList texts;
    for (const ui::AskedPrompt& asked : ui::UserPrompts::takeAsked())
        if (asked.kind == ui::PromptKind::Message)
            texts << asked.text;
    return texts;
}

} // namespace vorlane::testing
