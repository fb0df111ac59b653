#include "platform/widgets/range_check.h"

#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace vorlane::ui {

QString RangeMessageText(std::int64_t minimum, std::int64_t maximum) {
    return QCoreApplication::translate("RangeCheck", "Please enter an integer between %1 and %2.")
        .arg(minimum)
        .arg(maximum);
}

bool ReadFieldInRange(QLineEdit& field, std::int64_t minimum, std::int64_t maximum, std::int64_t& value) {
    bool isNumber = false;
    const qlonglong number = field.text().trimmed().toLongLong(&isNumber, 10);
    if (isNumber && number >= minimum && number <= maximum) {
        value = number;
        return true;
    }
    UserPrompts::Message(field.window(), QMessageBox::Warning, field.window()->windowTitle(),
                         RangeMessageText(minimum, maximum));
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
    return false;
}

} // namespace vorlane::ui
