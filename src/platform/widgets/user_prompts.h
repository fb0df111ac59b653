#pragma once
// Every modal question the editor asks (message boxes, file and colour choices, custom modal dialogs) goes
// through UserPrompts. In the program it shows the real window; a test scripts the next answers first, so no
// test ever blocks on a modal window, and it can read back what was asked.

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

class QDialog;
class QWidget;

namespace vorlane::ui {

enum class PromptKind { Message, OpenFile, SaveFile, Colour, Dialog };

// What one prompt asked; tests inspect these.
struct AskedPrompt {
    PromptKind kind;
    QString title;
    QString text;  // message text, or the file filter of a file choice
    QString start; // the folder or file name a file choice starts at
};

class UserPrompts {
public:
    // A message box with the given buttons; returns the button pressed (NoButton when closed).
    static QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // File choices; an empty string means the user cancelled.
    static QString OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
    // `confirmOverwrite` false: an existing file is chosen without the dialog's own replace question.
    static QString SaveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                                bool confirmOverwrite = true);

    // Colour choice; an invalid colour means the user cancelled.
    static QColor Colour(QWidget* parent, const QColor& initial, const QString& title);

    // Runs a modal dialog the program built itself (exec()); a scripted answer lets a test act on the open
    // dialog through its controls and then returns the given result without entering a modal loop.
    static int Exec(QDialog& dialog);

    // --- test side ---
    using DialogScript = std::function<int(QDialog&)>;
    using Answer = std::variant<QMessageBox::StandardButton, QString, QColor, DialogScript>;

    // Queues the answer for the next prompt. Answers are taken in order; a prompt whose kind does not fit its
    // answer fails loudly (qFatal), so a test never silently answers the wrong question.
    static void ScriptAnswer(Answer answer);
    static bool Scripted();                      // true while answers are queued or recording is on
    static void StartRecording();                // from now on prompts are recorded and never shown
    static std::vector<AskedPrompt> TakeAsked(); // what was asked since the last call
    static void Reset();                         // drops queued answers and records, back to real windows

private:
    static bool NextAnswer(PromptKind kind, const QString& title, const QString& text, Answer& answer,
                           const QString& start = QString());
};

} // namespace vorlane::ui
