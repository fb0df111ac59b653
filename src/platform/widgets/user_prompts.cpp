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

Script& ActiveScript() {
    static Script s;
    return s;
}

const char* KindName(PromptKind kind) {
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

bool AnswerFits(PromptKind kind, const UserPrompts::Answer& answer) {
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

bool UserPrompts::NextAnswer(PromptKind kind, const QString& title, const QString& text, Answer& answer,
                             const QString& start) {
    Script& s = ActiveScript();
    if (!s.recording && s.answers.empty())
        return false;
    s.asked.push_back({kind, title, text, start});
    if (s.answers.empty())
        qFatal("UserPrompts: no scripted answer for the %s \"%s\" (%s)", KindName(kind), qPrintable(title),
               qPrintable(text));
    answer = std::move(s.answers.front());
    s.answers.pop_front();
    if (!AnswerFits(kind, answer))
        qFatal("UserPrompts: the scripted answer does not fit the %s \"%s\" (%s)", KindName(kind), qPrintable(title),
               qPrintable(text));
    return true;
}

QMessageBox::StandardButton UserPrompts::Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                 const QString& text, QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) {
    Answer answer;
    if (NextAnswer(PromptKind::Message, title, text, answer))
        return std::get<QMessageBox::StandardButton>(answer);
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int pressed = GiveBackKeyboard(parent, box.exec());
    return static_cast<QMessageBox::StandardButton>(pressed);
}

QString UserPrompts::OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
    Answer answer;
    if (NextAnswer(PromptKind::OpenFile, title, filter, answer, folder))
        return std::get<QString>(answer);
    return GiveBackKeyboard(
        parent, QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr, QFileDialog::ReadOnly));
}

QString UserPrompts::SaveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                                  bool confirmOverwrite) {
    Answer answer;
    if (NextAnswer(PromptKind::SaveFile, title, filter, answer, folder))
        return std::get<QString>(answer);
    const QFileDialog::Options options =
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::DontConfirmOverwrite);
    return GiveBackKeyboard(parent, QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr, options));
}

QColor UserPrompts::Colour(QWidget* parent, const QColor& initial, const QString& title) {
    Answer answer;
    if (NextAnswer(PromptKind::Colour, title, QString(), answer))
        return std::get<QColor>(answer);
    return GiveBackKeyboard(parent, QColorDialog::getColor(initial, parent, title));
}

int UserPrompts::Exec(QDialog& dialog) {
    Answer answer;
    if (NextAnswer(PromptKind::Dialog, dialog.windowTitle(), QString(), answer))
        return std::get<DialogScript>(answer)(dialog);
    return GiveBackKeyboard(dialog.parentWidget(), dialog.exec());
}

void UserPrompts::ScriptAnswer(Answer answer) {
    ActiveScript().answers.push_back(std::move(answer));
}

bool UserPrompts::Scripted() {
    return ActiveScript().recording || !ActiveScript().answers.empty();
}

void UserPrompts::StartRecording() {
    ActiveScript().recording = true;
}

std::vector<AskedPrompt> UserPrompts::TakeAsked() {
    return std::exchange(ActiveScript().asked, {});
}

void UserPrompts::Reset() {
    ActiveScript() = Script{};
}

} // namespace vorlane::ui
