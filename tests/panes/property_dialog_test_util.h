#pragma once
// Driving dialogs through their named controls, the way a user would.

#include "platform/widgets/user_prompts.h"
#include "scripted_prompts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QStringList>
#include <QTime>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vorlane::testing {

using ui::Find;

// Controls and their values as "name=value|name=value" in Latin-1: a label's text, or the control's user property as
// text (an edit's text, a list's current item, an ISO date or time, a slider's value), "on" or "off" for a check box.
inline std::vector<std::pair<QString, QString>> FieldsOf(const char* spec) {
    std::vector<std::pair<QString, QString>> fields;
    for (const QString& field : QString::fromLatin1(spec).split('|', Qt::SkipEmptyParts))
        fields.emplace_back(field.section('=', 0, 0), field.section('=', 1));
    return fields;
}

inline QString ValueOf(QWidget& dialog, const QString& name) {
    QWidget& control = Find<QWidget>(dialog, name.toLatin1().constData());
    if (auto* label = qobject_cast<QLabel*>(&control))
        return label->text();
    const QVariant value = control.metaObject()->userProperty().read(&control);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? "on" : "off";
    return value.typeId() == QMetaType::QTime ? value.toTime().toString(Qt::ISODate) : value.toString();
}

inline void ExpectShown(QWidget& dialog, const char* spec) {
    for (const auto& [name, value] : FieldsOf(spec))
        EXPECT_EQ(value, ValueOf(dialog, name)) << name.toStdString();
}

inline bool Enabled(QWidget& dialog, const char* name) {
    return Find<QWidget>(dialog, name).isEnabled();
}

// Enters values the way a user would: types the text, picks the list item, sets the check box, date, time or slider.
inline void Set(QDialog& dialog, const char* spec) {
    for (const auto& [name, value] : FieldsOf(spec)) {
        QWidget& control = Find<QWidget>(dialog, name.toLatin1().constData());
        const QMetaProperty property = control.metaObject()->userProperty();
        property.write(&control, property.typeId() == QMetaType::Bool ? QVariant(value == "on") : QVariant(value));
        EXPECT_EQ(value, ValueOf(dialog, name)) << name.toStdString(); // a list without the item keeps another
    }
}

// Presses "OK", or "Cancel" when `ok` is false, and gives the dialog's result.
inline int PressOk(QDialog& dialog, bool ok = true) {
    Find<QAbstractButton>(dialog, ok ? "okButton" : "cancelButton").click();
    return dialog.result();
}

// The next dialog opened gets `spec` and then "OK" (or "Cancel"), after `more` ran on it.
inline void AnswerDialog(const char* spec, bool ok = true, std::function<void(QDialog&)> more = {}) {
    ui::UserPrompts::ScriptAnswer(ui::UserPrompts::DialogScript([=](QDialog& dialog) {
        if (more)
            more(dialog);
        Set(dialog, spec);
        return PressOk(dialog, ok);
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
