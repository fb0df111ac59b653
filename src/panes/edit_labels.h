#pragma once
// The names of undo steps that count what they changed: "Delete 12 channels", "Move 1 channel".

#include <QString>

namespace vorlane::ui {

// `verb`, the count and `noun` (with an "s" for any count but 1), then `tail` when given.
QString CountedEditLabel(const char* verb, qsizetype count, const char* noun, const char* tail = nullptr);

} // namespace vorlane::ui
