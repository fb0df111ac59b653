#pragma once
// The names of undo steps that count what they changed: "Delete 12 channels", "Move 1 channel".

#include <QString>

namespace vorlane::ui {

// A text that counts something, in the user's language. English has its own text for one (so it needs no
// translation file); the other counts go through the translation's plural forms with %n.
QString CountedText(const char* context, const char* one, const char* many, qsizetype count);

enum class CountedEdit { Add, Delete, Move, MoveToTransponder, RemoveFromFavourites, RemoveDuplicates };

// The undo step's name with the number of channels it changed.
QString CountedEditLabel(CountedEdit edit, qsizetype count);

} // namespace vorlane::ui
