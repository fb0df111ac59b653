#include "shell/frame_file_commands.h"

#include "database/channel_database.h"
#include "database/database_lifecycle.h"
#include "importexport/database_files.h"
#include "importexport/text_exporter.h"
#include "platform/settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"
#include "shell/mirevo_view.h"
#include "shell/window_title.h"

#include <QFile>
#include <QFileInfo>

namespace vorlane {
namespace {

using ui::UserPrompts;

constexpr const char* kPathSection = "Path";
constexpr const char* kPathEntry = "Data";

const QString kOpenFilter = QStringLiteral("Readable files (*.bin *.sdx *.dat);;Bin files (*.bin);;"
                                           "Satcodx files (*.sdx);;Lyngsat files (*.dat);;All files (*)");
const QString kSaveAsFilter = QStringLiteral("Bin files (*.bin)");
const QString kExportFilter = QStringLiteral("TEXT files (*.txt)");

// The extension of a filter's first pattern, with its dot: "Bin files (*.bin)" gives ".bin".
QString FilterExtension(const QString& filter) {
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0)
        return {};
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber())
        ++end;
    return filter.mid(star + 1, end - star - 1);
}

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

QString ProgramTitle() {
    return QString::fromLatin1(kProgramTitle.data(), qsizetype(kProgramTitle.size()));
}

// Painting of the main window stays off while the database is rebuilt and the panes refilled, on every path.
class FrozenPainting {
public:
    explicit FrozenPainting(QWidget& window) : m_window(window), m_wasEnabled(window.updatesEnabled()) {
        m_window.setUpdatesEnabled(false);
    }
    ~FrozenPainting() { m_window.setUpdatesEnabled(m_wasEnabled); }
    FrozenPainting(const FrozenPainting&) = delete;
    FrozenPainting& operator=(const FrozenPainting&) = delete;

private:
    QWidget& m_window;
    bool m_wasEnabled;
};

} // namespace

FrameFileCommands::FrameFileCommands(CMainFrame& frame, ChannelDatabase& database, SettingsStore& store)
    : m_frame(frame), m_database(database), m_store(store) {}

void FrameFileCommands::New() {
    const auto answer = UserPrompts::message(&m_frame, QMessageBox::Warning, ProgramTitle(),
                                             QStringLiteral("Clear all data ?"), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    Clear(m_database);
    Deinit(m_database);
    Init(m_database);
    m_frame.ShowNoTitle();
    m_frame.view().RefreshAllPanes();
}

void FrameFileCommands::Open() {
    if (!MaySetUnsavedWorkAside())
        return;
    const QString path = UserPrompts::openFileName(&m_frame, QStringLiteral("Open"), m_lastChosenPath, kOpenFilter);
    if (!path.isEmpty())
        OpenChosenFile(path);
}

bool FrameFileCommands::MaySetUnsavedWorkAside() {
    if (!m_database.modified())
        return true;
    const auto answer = UserPrompts::message(
        &m_frame, QMessageBox::Question, ProgramTitle(), QStringLiteral("Do you want to save the changes ?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return WriteLikeSave() != 0;
    return answer == QMessageBox::No;
}

void FrameFileCommands::OpenChosenFile(const QString& path) {
    OpenResult result;
    {
        FrozenPainting frozen(m_frame);
        result = OpenDatabaseFile(m_database, FileName(path));
        if (!result.accepted) {
            ShowError(Text(kOpenFailedText));
            return;
        }
        // An imported text list is named as such: Save will not write over it.
        m_frame.ShowFileTitle(result.reader == FileReader::ChannelFile ? FileName(path)
                                                                       : FileName(path) + " (imported)");
        RememberPath(path);
        m_frame.view().RefreshAllPanes();
    }
    const int leftOut = result.import.recordsNotFitted;
    if (leftOut > 0) {
        m_frame.repaint();
        m_frame.messageDialog().ShowModal(
            QStringLiteral("%1 records did not fit into the tables and were left out.").arg(leftOut),
            ui::MessageDialog::kModeOk);
    }
}

void FrameFileCommands::Save() {
    if (m_frame.messageDialog().ShowModal(QStringLiteral("Are you sure Save?"), ui::MessageDialog::kModeOkCancel) !=
        ui::MessageDialog::kOk)
        return;
    WriteLikeSave();
}

int FrameFileCommands::WriteLikeSave() {
    if (m_database.currentPath().empty())
        return SaveAs();
    return WriteChannelFile(m_database.currentPath());
}

int FrameFileCommands::SaveAs() {
    const std::string offer = SaveAsOffer(m_database);
    const QString start = offer.empty() ? m_lastChosenPath : QFile::decodeName(QByteArray::fromStdString(offer));
    const QString path = ChooseSavePath(QStringLiteral("Save as"), kSaveAsFilter, start);
    if (path.isEmpty())
        return 0;
    RememberPath(path);
    return WriteChannelFile(FileName(path));
}

void FrameFileCommands::Export() {
    const QString path = ChooseSavePath(QStringLiteral("Export"), kExportFilter, m_lastChosenPath);
    if (path.isEmpty())
        return;
    RememberPath(path);
    const std::string fileName = FileName(path);
    if (TextExporter(m_database).Export(fileName))
        ShowInformation(Text(kWriteCompleteText));
    else
        UserPrompts::message(&m_frame, QMessageBox::NoIcon, ProgramTitle(),
                             QString::fromLocal8Bit(ExportFailureText(fileName)));
}

QString FrameFileCommands::ChooseSavePath(const QString& title, const QString& filter, const QString& start) {
    QString path = UserPrompts::saveFileName(&m_frame, title, start, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += FilterExtension(filter);
    return path;
}

int FrameFileCommands::WriteChannelFile(const std::string& path) {
    if (!SaveDatabaseFile(m_database, path)) {
        ShowError(Text(kWriteFailedText));
        return 0;
    }
    ShowInformation(Text(kWriteCompleteText));
    return 1;
}

void FrameFileCommands::RememberPath(const QString& path) {
    m_lastChosenPath = path;
    m_store.WriteProfileText(kPathSection, kPathEntry, FileName(path));
}

void FrameFileCommands::ShowError(const QString& text) {
    UserPrompts::message(&m_frame, QMessageBox::Critical, ProgramTitle(), text);
}

void FrameFileCommands::ShowInformation(const QString& text) {
    UserPrompts::message(&m_frame, QMessageBox::Information, ProgramTitle(), text);
}

} // namespace vorlane
