#include "panes/edit_labels.h"

#include <QCoreApplication>

namespace vorlane::ui {
namespace {

struct CountedWording {
    CountedEdit edit;
    const char* one;
    const char* many;
};

constexpr CountedWording kWordings[] = {
    {CountedEdit::Add, QT_TRANSLATE_NOOP("EditLabels", "Add 1 channel to favourites"),
     QT_TRANSLATE_N_NOOP("EditLabels", "Add %n channels to favourites")},
    {CountedEdit::Delete, QT_TRANSLATE_NOOP("EditLabels", "Delete 1 channel"),
     QT_TRANSLATE_N_NOOP("EditLabels", "Delete %n channels")},
    {CountedEdit::Move, QT_TRANSLATE_NOOP("EditLabels", "Move 1 channel"),
     QT_TRANSLATE_N_NOOP("EditLabels", "Move %n channels")},
    {CountedEdit::MoveToTransponder, QT_TRANSLATE_NOOP("EditLabels", "Move 1 channel to transponder"),
     QT_TRANSLATE_N_NOOP("EditLabels", "Move %n channels to transponder")},
    {CountedEdit::RemoveFromFavourites, QT_TRANSLATE_NOOP("EditLabels", "Remove 1 channel from favourites"),
     QT_TRANSLATE_N_NOOP("EditLabels", "Remove %n channels from favourites")},
    {CountedEdit::RemoveDuplicates, QT_TRANSLATE_NOOP("EditLabels", "Remove 1 duplicate channel"),
     QT_TRANSLATE_N_NOOP("EditLabels", "Remove %n duplicate channels")},
};

} // namespace

QString CountedText(const char* context, const char* one, const char* many, qsizetype count) {
    if (count == 1)
        return QCoreApplication::translate(context, one);
    return QCoreApplication::translate(context, many, nullptr, static_cast<int>(count));
}

QString CountedEditLabel(CountedEdit edit, qsizetype count) {
    for (const CountedWording& wording : kWordings)
        if (wording.edit == edit)
            return CountedText("EditLabels", wording.one, wording.many, count);
    return {};
}

} // namespace vorlane::ui
