#include "settings/ui/choice_list.h"

#include <QComboBox>
#include <QCoreApplication>

namespace vorlane::ui {
namespace {
constexpr int kChoiceListWidthInCharacters = 12;
} // namespace

QComboBox* MakeChoiceList(QWidget* parent, const char* objectName, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    // Words among the items are shown in the user's language; numbers and technical names pass unchanged.
    for (const QString& item : items)
        list->addItem(QCoreApplication::translate("ChoiceItems", item.toUtf8().constData()));
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(16);
    // A common least width keeps the lists of a page in one column.
    list->setMinimumContentsLength(kChoiceListWidthInCharacters);
    return list;
}

QStringList NumberItems(int from, int to, int width) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return items;
}

void ShowCode(QComboBox& list, int code, int firstCode) {
    const int index = code - firstCode;
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

std::optional<std::uint8_t> SelectedCode(const QComboBox& list, int firstCode) {
    if (list.currentIndex() < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(list.currentIndex() + firstCode);
}

} // namespace vorlane::ui
