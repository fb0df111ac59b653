#include "shell/integrity_question.h"

#include "platform/widgets/user_prompts.h"
#include "shell/window_title.h"

namespace vorlane::ui {
namespace {

// More lines would push the buttons off the screen; the count tells how many were left unlisted.
constexpr std::size_t kListedProblems = 20;

} // namespace

bool MayGoOnDespiteProblems(QWidget* parent, const std::vector<IntegrityProblem>& problems, const QString& question) {
    if (problems.empty())
        return true;
    QString text = QStringLiteral("The data has %1 problem(s):\n").arg(problems.size());
    for (std::size_t i = 0; i < problems.size() && i < kListedProblems; ++i)
        text += QString::fromLatin1(IntegrityProblemLine(problems[i])) + QLatin1Char('\n');
    if (problems.size() > kListedProblems)
        text += QStringLiteral("... and %1 more\n").arg(problems.size() - kListedProblems);
    text += QLatin1Char('\n') + question;
    const QString title = QString::fromLatin1(kProgramTitle.data(), qsizetype(kProgramTitle.size()));
    return UserPrompts::message(parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace vorlane::ui
