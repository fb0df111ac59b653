#pragma once
// The editor's last question before data leaves it: the problems the integrity check found, listed in a box that
// asks whether to go on anyway. A sound database asks nothing.

#include "database/integrity_check.h"

#include <QString>
#include <vector>

class QWidget;

namespace vorlane::ui {

// True when there are no problems, or when the user answers Yes to `question` ("Save anyway?", "Upload
// anyway?") under the listed problems; No is the default.
bool MayGoOnDespiteProblems(QWidget* parent, const std::vector<IntegrityProblem>& problems, const QString& question);

// One problem as a line in the user's language; in English the same as IntegrityProblemLine.
QString IntegrityProblemText(const IntegrityProblem& problem);

} // namespace vorlane::ui
