#include "panes/pane_filter_field.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace vorlane::ui {

PaneFilterField::PaneFilterField(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(QCoreApplication::translate("PaneFilterField", "Filter (Ctrl+Shift+F)"));
    setClearButtonEnabled(true);
    setAccessibleName(placeholderText()); // the only label the field shows
}

void PaneFilterField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vorlane::ui
