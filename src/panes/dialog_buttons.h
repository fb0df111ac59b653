#pragma once
// The "OK" / "Cancel" pair at the foot of the editor's dialogs. "Cancel" rejects the dialog; "OK" is left to the
// dialog, which checks its fields before it accepts.

#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace vorlane::ui {

struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// Adds a right-aligned row with the two buttons (object names "okButton" and "cancelButton") to `layout`.
OkCancelButtons AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout, const QString& okText = QStringLiteral("OK"));

} // namespace vorlane::ui
