#pragma once
// The standard range check of dialog fields: a number outside its range (or no number at all) is refused with
// one message naming the allowed range; the dialog stays open and the focus goes back to the field.

#include <QString>
#include <cstdint>

class QLineEdit;

namespace vorlane::ui {

// "Please enter an integer between 100 and 1000."
QString RangeMessageText(std::int64_t minimum, std::int64_t maximum);

// Reads the field as a decimal integer within [minimum, maximum]. On success stores it in value and returns true;
// otherwise shows the range message (through UserPrompts), selects the field's text, gives it the focus and
// returns false.
bool ReadFieldInRange(QLineEdit& field, std::int64_t minimum, std::int64_t maximum, std::int64_t& value);

} // namespace vorlane::ui
