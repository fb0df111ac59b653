#include "panes/edit_labels.h"

namespace vorlane::ui {

QString CountedEditLabel(const char* verb, qsizetype count, const char* noun, const char* tail) {
    QString label = QStringLiteral("%1 %2 %3").arg(QLatin1String(verb)).arg(count).arg(QLatin1String(noun));
    if (count != 1)
        label += QLatin1Char('s');
    if (tail)
        label += QLatin1Char(' ') + QLatin1String(tail);
    return label;
}

} // namespace vorlane::ui
