#pragma once
// Driving the property dialogs through their named controls, the way a user would.

#include "platform/widgets/user_prompts.h"
#include "scripted_prompts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vorlane::testing {

using ui::Find;

// Controls and their values as "name=value|name=value" in Latin-1: an edit's or a label's text, a list's current
// item, "on" or "off" for a check box.
inline std::vector<std::pair<QString, QString>> FieldsOf(const char* spec) {
    std::vector<std::pair<QString, QString>> fields;
    for (const QString& field : QString::fromLatin1(spec).split('|', Qt::SkipEmptyParts))
        fields.emplace_back(field.section('=', 0, 0), field.section('=', 1));
    return fields;
}

inline QString ValueOf(QWidget& dialog, const QString& name) {
    QWidget& control = Find<QWidget>(dialog, name.toLatin1().constData());
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(&control))
        return list->currentText();
    if (auto* box = qobject_cast<QCheckBox*>(&control))
        return box->isChecked() ? "on" : "off";
    return Find<QLabel>(dialog, name.toLatin1().constData()).text();
}

inline void ExpectShown(QWidget& dialog, const char* spec) {
    for (const auto& [name, value] : FieldsOf(spec))
        EXPECT_EQ(value, ValueOf(dialog, name)) << name.toStdString();
}

inline bool Enabled(QWidget& dialog, const char* name) {
    return Find<QWidget>(dialog, name).isEnabled();
}

// Types into edits, chooses list items and sets check boxes.
inline void Set(QDialog& dialog, const char* spec) {
    for (const auto& [name, value] : FieldsOf(spec)) {
        QWidget& control = Find<QWidget>(dialog, name.toLatin1().constData());
        if (auto* list = qobject_cast<QComboBox*>(&control)) {
            const int index = list->findText(value);
            ASSERT_GE(index, 0) << value.toStdString() << " is not in " << name.toStdString();
            list->setCurrentIndex(index);
        } else if (auto* box = qobject_cast<QCheckBox*>(&control)) {
            box->setChecked(value == "on");
        } else {
            Find<QLineEdit>(dialog, name.toLatin1().constData()).setText(value);
        }
    }
}

inline int PressOk(QDialog& dialog) {
    Find<QAbstractButton>(dialog, "okButton").click();
    return dialog.result();
}

inline int PressCancel(QDialog& dialog) {
    Find<QAbstractButton>(dialog, "cancelButton").click();
    return dialog.result();
}

// The next dialog opened gets `spec` and then "OK" (or "Cancel"), after `more` ran on it.
inline void AnswerDialog(const char* spec, bool ok = true, std::function<void(QDialog&)> more = {}) {
    ui::UserPrompts::ScriptAnswer(ui::UserPrompts::DialogScript([=](QDialog& dialog) {
        if (more)
            more(dialog);
        Set(dialog, spec);
        return ok ? PressOk(dialog) : PressCancel(dialog);
    }));
}

// The texts of the messages shown since the last call.
inline QStringList MessagesShown() {
    QStringList texts;
    for (const ui::AskedPrompt& asked : ui::UserPrompts::TakeAsked())
        if (asked.kind == ui::PromptKind::Message)
            texts << asked.text;
    return texts;
}

} // namespace vorlane::testing
