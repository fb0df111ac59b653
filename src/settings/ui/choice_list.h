#pragma once
// Drop-down lists that stand for a stored code: the code is the item index plus a first code.

#include <QStringList>
#include <cstdint>
#include <optional>

class QComboBox;
class QWidget;

namespace vorlane::ui {

// A non-editable list with the given items and no item selected.
QComboBox* MakeChoiceList(QWidget* parent, const char* objectName, const QStringList& items);

// The items "from" .. "to" as decimal numbers, each at least `width` digits ("00", "01", ...).
QStringList NumberItems(int from, int to, int width = 1);

// Selects the item of a stored code; a code outside the list selects nothing.
void ShowCode(QComboBox& list, int code, int firstCode = 0);

// The code of the selected item, or nothing when no item is selected; a list that opened on a code it cannot
// show therefore leaves that stored code as it was.
std::optional<std::uint8_t> SelectedCode(const QComboBox& list, int firstCode = 0);

inline const QStringList kOffOn{QT_TRANSLATE_NOOP("ChoiceItems", "Off"), QT_TRANSLATE_NOOP("ChoiceItems", "On")};

} // namespace vorlane::ui
