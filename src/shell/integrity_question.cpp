#include "shell/integrity_question.h"

#include "platform/qt/qt_text_translator.h"
#include "platform/widgets/user_prompts.h"
#include "shell/window_title.h"

#include <QCoreApplication>

namespace vorlane::ui {
namespace {

// More lines would push the buttons off the screen; the count tells how many were left unlisted.
constexpr std::size_t kListedProblems = 20;

QString Translated(const IntegrityPhrase& phrase) {
    return QString::fromStdString(phrase.Text(QtTexts()));
}

} // namespace

QString IntegrityProblemText(const IntegrityProblem& problem) {
    QString line = Translated(problem.record);
    if (!problem.name.empty())
        line += QStringLiteral(" \"") + QString::fromLatin1(problem.name) + QLatin1Char('"');
    return line + QStringLiteral(": ") + Translated(problem.text);
}

bool MayGoOnDespiteProblems(QWidget* parent, const std::vector<IntegrityProblem>& problems, const QString& question) {
    if (problems.empty())
        return true;
    const int count = static_cast<int>(problems.size());
    QString text = QCoreApplication::translate("IntegrityQuestion", "The data has %n problem(s):\n", nullptr, count);
    for (std::size_t i = 0; i < problems.size() && i < kListedProblems; ++i)
        text += IntegrityProblemText(problems[i]) + QLatin1Char('\n');
    const int unlisted = count - static_cast<int>(kListedProblems);
    if (unlisted > 0)
        text += QCoreApplication::translate("IntegrityQuestion", "... and %n more\n", nullptr, unlisted);
    text += QLatin1Char('\n') + question;
    const QString title = QString::fromLatin1(kProgramTitle.data(), qsizetype(kProgramTitle.size()));
    return UserPrompts::Message(parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace vorlane::ui
