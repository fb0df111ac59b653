#include "camera.h"

#include "panes/pane_list_view.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <cstdio>

namespace vorlane::screenshots {

using ui::UserPrompts;

void Camera::Take(QWidget& window, const QString& name) {
    window.show();
    QApplication::processEvents();
    Save(window.grab(), name);
}

void Camera::Save(const QPixmap& picture, const QString& name) {
    const QString path = mFolder.filePath(name);
    if (picture.save(path))
        return;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    m_allSaved = false;
}

void Camera::TakeOpened(const QString& name, const std::function<void()>& open) {
    UserPrompts::ScriptAnswer([this, name](QDialog& dialog) {
        Take(dialog, name);
        return int(QDialog::Rejected);
    });
    open();
}

Editor::Editor() : m_application(std::make_unique<MemorySettingsStore>()) {
    m_started = m_application.Start();
    UserPrompts::StartRecording();
}

bool Editor::Open(const QString& file) {
    UserPrompts::ScriptAnswer(file);
    Frame().OnCommand(kCmdOpen);
    const ChannelDatabase& database = View().Database();
    if (!database.CurrentPath().empty() || !database.ImportedPath().empty())
        return true;
    std::fprintf(stderr, "cannot open %s\n", qPrintable(file));
    return false;
}

void Editor::Choose(ui::PaneListView& pane, int row) {
    pane.SelectRow(row);
    View().OnPaneChoice(pane);
}

CMainFrame& Editor::Frame() {
    return m_application.Frame();
}

CMirevoView& Editor::View() {
    return Frame().View();
}

bool RunEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace vorlane::screenshots
