#pragma once
// Controls shared by the property dialogs: named drop-down lists and digit-only edits, and reading back a list
// that stands for a stored code.

#include <QStringList>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace vorlane::ui {

QComboBox* MakeList(QWidget* parent, const char* objectName, const QStringList& items);
QLineEdit* MakeDigitEdit(QWidget* parent, const char* objectName, int maxDigits);
QLineEdit* MakeTextEdit(QWidget* parent, const char* objectName, int maxLength);

// A label (the control's buddy) and its control side by side in a grid, from `column` on.
void AddLabelledControl(QGridLayout& grid, int row, int column, const QString& label, QWidget* control);

// Shows the stored code, or nothing when the list has no item for it.
void ShowIndex(QComboBox& list, unsigned code);
// The chosen item's index; a list that shows nothing keeps the stored code.
unsigned ChosenIndex(const QComboBox& list, unsigned storedCode);

} // namespace vorlane::ui
