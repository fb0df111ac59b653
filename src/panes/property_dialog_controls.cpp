#include "panes/property_dialog_controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace vorlane::ui {

QComboBox* MakeList(QWidget* parent, const char* objectName, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    // Words among the items are shown in the user's language; numbers and technical names pass unchanged.
    for (const QString& item : items)
        list->addItem(QCoreApplication::translate("ChoiceItems", item.toUtf8().constData()));
    return list;
}

QLineEdit* MakeDigitEdit(QWidget* parent, const char* objectName, int maxDigits) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxDigits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QLineEdit* MakeTextEdit(QWidget* parent, const char* objectName, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxLength);
    return edit;
}

void AddLabelledControl(QGridLayout& grid, int row, int column, const QString& label, QWidget* control) {
    auto* text = new QLabel(label);
    text->setBuddy(control);
    grid.addWidget(text, row, column);
    grid.addWidget(control, row, column + 1);
}

void ShowIndex(QComboBox& list, unsigned code) {
    list.setCurrentIndex(code < static_cast<unsigned>(list.count()) ? static_cast<int>(code) : -1);
}

unsigned ChosenIndex(const QComboBox& list, unsigned storedCode) {
    return list.currentIndex() < 0 ? storedCode : static_cast<unsigned>(list.currentIndex());
}

} // namespace vorlane::ui
