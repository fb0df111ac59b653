#include "platform/widgets/user_prompts.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>

namespace vorlane::ui {
namespace {

struct Script {
    bool recording = false;
    std::deque<UserPrompts::Answer> answers;
    std::vector<AskedPrompt> asked;
};

Script& script() {
    static Script s;
    return s;
}

const char* kindName(PromptKind kind) {
    switch (kind) {
    case PromptKind::Message:
        return "message";
    case PromptKind::OpenFile:
        return "open-file choice";
    case PromptKind::SaveFile:
        return "save-file choice";
    case PromptKind::Colour:
        return "colour choice";
    case PromptKind::Dialog:
        return "dialog";
    }
    return "prompt";
}

bool answerFits(PromptKind kind, const UserPrompts::Answer& answer) {
    switch (kind) {
    case PromptKind::Message:
        return std::holds_alternative<QMessageBox::StandardButton>(answer);
    case PromptKind::OpenFile:
    case PromptKind::SaveFile:
        return std::holds_alternative<QString>(answer);
    case PromptKind::Colour:
        return std::holds_alternative<QColor>(answer);
    case PromptKind::Dialog:
        return std::holds_alternative<UserPrompts::DialogScript>(answer);
    }
    return false;
}

// The keyboard goes back to the window that asked, also where no window manager hands it back (a bare X server,
// some kiosk and screen reader set-ups).
template <typename Result> Result GiveBackKeyboard(QWidget* parent, Result result) {
    if (parent != nullptr && parent->window()->isVisible())
        parent->window()->activateWindow();
    return result;
}

} // namespace

bool UserPrompts::nextAnswer(PromptKind kind, const QString& title, const QString& text, Answer& answer,
                             const QString& start) {
    Script& s = script();
    if (!s.recording && s.answers.empty())
        return false;
    s.asked.push_back({kind, title, text, start});
    if (s.answers.empty())
        qFatal("UserPrompts: no scripted answer for the %s \"%s\" (%s)", kindName(kind), qPrintable(title),
               qPrintable(text));
    answer = std::move(s.answers.front());
    s.answers.pop_front();
    if (!answerFits(kind, answer))
        qFatal("UserPrompts: the scripted answer does not fit the %s \"%s\" (%s)", kindName(kind), qPrintable(title),
               qPrintable(text));
    return true;
}

QMessageBox::StandardButton UserPrompts::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                 const QString& text, QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) {
    Answer answer;
    if (nextAnswer(PromptKind::Message, title, text, answer))
        return std::get<QMessageBox::StandardButton>(answer);
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int pressed = GiveBackKeyboard(parent, box.exec());
    return static_cast<QMessageBox::StandardButton>(pressed);
}

QString UserPrompts::openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
    Answer answer;
    if (nextAnswer(PromptKind::OpenFile, title, filter, answer, folder))
        return std::get<QString>(answer);
    return GiveBackKeyboard(
        parent, QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr, QFileDialog::ReadOnly));
}

QString UserPrompts::saveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                                  bool confirmOverwrite) {
    Answer answer;
    if (nextAnswer(PromptKind::SaveFile, title, filter, answer, folder))
        return std::get<QString>(answer);
    const QFileDialog::Options options =
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::DontConfirmOverwrite);
    return GiveBackKeyboard(parent, QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr, options));
}

QColor UserPrompts::colour(QWidget* parent, const QColor& initial, const QString& title) {
    Answer answer;
    if (nextAnswer(PromptKind::Colour, title, QString(), answer))
        return std::get<QColor>(answer);
    return GiveBackKeyboard(parent, QColorDialog::getColor(initial, parent, title));
}

int UserPrompts::exec(QDialog& dialog) {
    Answer answer;
    if (nextAnswer(PromptKind::Dialog, dialog.windowTitle(), QString(), answer))
        return std::get<DialogScript>(answer)(dialog);
    return GiveBackKeyboard(dialog.parentWidget(), dialog.exec());
}

void UserPrompts::scriptAnswer(Answer answer) {
    script().answers.push_back(std::move(answer));
}

bool UserPrompts::scripted() {
    return script().recording || !script().answers.empty();
}

void UserPrompts::startRecording() {
    script().recording = true;
}

std::vector<AskedPrompt> UserPrompts::takeAsked() {
    return std::exchange(script().asked, {});
}

void UserPrompts::reset() {
    script() = Script{};
}

} // namespace vorlane::ui
