#include "shell/loader_window_ui.h"

#include "importexport/database_files.h"
#include "loader/connection.h"
#include "loader/transfer_commands.h"
#include "platform/widgets/user_prompts.h"
#include "shell/integrity_question.h"
#include "shell/loader_controls.h"
#include "shell/loader_download_dialog.h"
#include "shell/loader_progress_bar.h"
#include "shell/message_dialog.h"
#include "shell/window_title.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

namespace vorlane::ui {
namespace {

constexpr int kDefaultExtensionLength = 3;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// A path as the loader keeps it: the local 8-bit file name.
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString PathOf(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

// The loader's file filter descriptions, known here so that they are translated.
[[maybe_unused]] constexpr const char* kFilterDescriptions[] = {
    QT_TRANSLATE_NOOP("LoaderWindowUi", "BIN Files (*.bin)"), QT_TRANSLATE_NOOP("LoaderWindowUi", "Key Files (*.key)"),
    QT_TRANSLATE_NOOP("LoaderWindowUi", "ALL Files (*.*)")};

QString FileDialogFilter(std::string_view filter) {
    QStringList parts = Latin1(filter).split(QLatin1Char('|'));
    QStringList entries;
    // Description and pattern alternate; only the descriptions, which carry their patterns, are shown.
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        if (!parts[index].isEmpty())
            entries << QCoreApplication::translate("LoaderWindowUi", parts[index].toLatin1().constData());
    }
    return entries.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& path, std::string_view defaultExtension) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty() || QFileInfo(path).fileName().endsWith(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + Latin1(defaultExtension.substr(0, kDefaultExtensionLength));
}

LoaderWindowUi::LoaderWindowUi(QWidget& window, LoaderControls& controls, MessageDialog& messages)
    : m_window(window), m_controls(controls), m_messages(messages) {}

LoaderWindowUi::~LoaderWindowUi() {
    while (m_cursorDepth > 0)
        RestoreCursor();
}

void LoaderWindowUi::ShowMessageBox(const std::string& text) {
    UserPrompts::Message(&m_window, QMessageBox::Warning, Latin1(kProgramTitle), Latin1(text));
}

MessageButton LoaderWindowUi::ShowMessage(const std::string& text, MessageMode mode) {
    if (mode == MessageMode::NoButton) {
        m_messages.ShowModeless(Latin1(text), mode);
        return MessageButton::None;
    }
    return m_messages.ShowModal(Latin1(text), mode);
}

void LoaderWindowUi::ShowNotAllowedCursor() {
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    ++m_cursorDepth;
}

void LoaderWindowUi::RestoreCursor() {
    if (m_cursorDepth == 0)
        return;
    QApplication::restoreOverrideCursor();
    --m_cursorDepth;
}

void LoaderWindowUi::ShowWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_cursorDepth;
}

void LoaderWindowUi::BeginProgress(int blocks, const std::string& path, const std::string& action) {
    if (m_commands)
        m_commands->BeginProgress(blocks, path, action);
}

void LoaderWindowUi::ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) {
    if (m_commands)
        m_commands->ReportProgress(step, text, upload);
}

MessageDialog& LoaderWindowUi::NoteWindow() {
    if (!m_note) {
        m_note = std::make_unique<MessageDialog>(&m_window);
        m_note->setObjectName(QStringLiteral("noteWindow"));
    }
    return *m_note;
}

// The note is painted at once: the loader usually blocks the thread with its sends right after it.
void LoaderWindowUi::ShowNote(const std::string& text) {
    MessageDialog& note = NoteWindow();
    note.ShowModeless(Latin1(text), MessageMode::NoButton);
    note.repaint();
}

void LoaderWindowUi::HideNote() {
    if (m_note)
        m_note->hide();
}

MessageButton LoaderWindowUi::RunModalWait(const std::string& text) {
    m_modalWaitRuns = true;
    const MessageButton result = m_messages.ShowModal(Latin1(text), MessageMode::NoButton);
    m_modalWaitRuns = false;
    return result;
}

void LoaderWindowUi::EndModalWait(MessageButton result) {
    if (m_modalWaitRuns)
        m_messages.CloseMessage(result);
}

bool LoaderWindowUi::ChooseFile(const FileDialogRequest& request, std::string& path) {
    const QString start =
        request.initialFileName.empty() ? PathOf(request.initialFolder) : PathOf(request.initialFileName);
    const QString filter = FileDialogFilter(request.filter);
    QString chosen;
    if (request.kind == FileDialogKind::Open) {
        chosen =
            UserPrompts::OpenFileName(&m_window, QCoreApplication::translate("LoaderWindowUi", "Open"), start, filter);
    } else {
        // A download replaces the chosen file only once it is complete, and the loader asks nothing first.
        const bool confirmOverwrite = false;
        chosen = WithDefaultExtension(
            UserPrompts::SaveFileName(&m_window, QCoreApplication::translate("LoaderWindowUi", "Save As"), start,
                                      filter, confirmOverwrite),
            request.defaultExtension);
    }
    path = LocalPath(chosen);
    // A channel file with broken records is only sent when the user says so; saying No is like cancelling.
    if (request.kind == FileDialogKind::Open && !chosen.isEmpty() &&
        !MayGoOnDespiteProblems(&m_window, ChannelFileProblems(path),
                                QCoreApplication::translate("LoaderWindowUi", "Upload anyway?")))
        return false;
    return !chosen.isEmpty();
}

bool LoaderWindowUi::ChooseDownload(int& choice) {
    return ChooseDownloadKind(&m_window, choice);
}

bool LoaderWindowUi::ReadForceModeBox() {
    if (m_connection)
        m_connection->SetPortAndSpeed(m_controls.ChosenPort(), m_controls.ChosenSpeed());
    return m_controls.ForceMode();
}

void LoaderWindowUi::ShowProgressBar(const ProgressBarState& bar) {
    m_controls.ProgressBar().SetState(bar);
}

void LoaderWindowUi::ShowStatusLine(const std::string& text) {
    m_controls.ShowStatusLine(Latin1(text));
}

void LoaderWindowUi::ShowControls(const ConnectionControls& controls) {
    m_controls.ShowControls(controls);
}

void LoaderWindowUi::BringToFront() {
    QWidget* window = m_window.window();
    window->raise();
    window->activateWindow();
}

void LoaderWindowUi::RepaintNow() {
    m_window.repaint();
    if (m_note && m_note->isVisible())
        m_note->repaint();
}

} // namespace vorlane::ui
