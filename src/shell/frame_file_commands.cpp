#include "shell/frame_file_commands.h"

#include "database/channel_database.h"
#include "database/database_lifecycle.h"
#include "importexport/backup_file.h"
#include "importexport/database_files.h"
#include "importexport/text_exporter.h"
#include "listtools/csv_listing.h"
#include "platform/settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/edit_document.h"
#include "shell/integrity_question.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"
#include "shell/mirevo_view.h"
#include "shell/window_title.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace vorlane {
namespace {

using ui::UserPrompts;

constexpr const char* kPathSection = "Path";
constexpr const char* kPathEntry = "Data";

QString OpenFilter() {
    return QCoreApplication::translate("FrameFileCommands",
                                       "Readable files (*.bin *.sdx *.dat);;Bin files (*.bin);;"
                                       "Satcodx files (*.sdx);;Lyngsat files (*.dat);;All files (*)");
}
QString SaveAsFilter() {
    return QCoreApplication::translate("FrameFileCommands", "Bin files (*.bin)");
}
QString ExportFilter() {
    return QCoreApplication::translate("FrameFileCommands", "TEXT files (*.txt);;CSV (*.csv)");
}

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

// The file layer's messages, known here so that they are translated.
[[maybe_unused]] constexpr const char* kFileLayerTexts[] = {
    QT_TRANSLATE_NOOP("FrameFileCommands", "Failed to open file."),
    QT_TRANSLATE_NOOP("FrameFileCommands", "Complete to write file."),
    QT_TRANSLATE_NOOP("FrameFileCommands", "Failed to write file.")};

QString Text(const char* text) {
    return QCoreApplication::translate("FrameFileCommands", text);
}

// What an import left out, in the user's language (the command line prints the core's English text).
QString LeftOutText(const ImportResult& import) {
    QStringList lines;
    if (import.recordsNotFitted > 0)
        lines << QCoreApplication::translate("FrameFileCommands",
                                             "%n records did not fit into the tables and were left out.", nullptr,
                                             import.recordsNotFitted);
    if (import.channelsWithoutTransponder > 0)
        lines << QCoreApplication::translate(
            "FrameFileCommands", "%n channels came before any transponder of their satellite and were left out.",
            nullptr, import.channelsWithoutTransponder);
    return lines.join(QLatin1Char('\n'));
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
    : m_frame(frame), m_database(database), mStore(store), m_recentFiles(store) {}

void FrameFileCommands::New() {
    const auto answer = UserPrompts::Message(&m_frame, QMessageBox::Warning, ProgramTitle(),
                                             QCoreApplication::translate("FrameFileCommands", "Clear all data ?"),
                                             QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    Clear(m_database);
    Deinit(m_database);
    Init(m_database);
    ShowNewDatabase();
}

void FrameFileCommands::ShowNewDatabase() {
    m_frame.View().Document().StartAfresh();
    m_frame.ShowNoTitle();
    m_frame.View().RefreshAllPanes();
}

void FrameFileCommands::Open() {
    if (!MaySetUnsavedWorkAside())
        return;
    const QString path = UserPrompts::OpenFileName(&m_frame, QCoreApplication::translate("FrameFileCommands", "Open"),
                                                   m_lastChosenPath, OpenFilter());
    if (!path.isEmpty())
        OpenChosenFile(path);
}

void FrameFileCommands::OpenPath(const QString& path) {
    if (MaySetUnsavedWorkAside())
        OpenChosenFile(path);
}

bool FrameFileCommands::MaySetUnsavedWorkAside() {
    if (!m_database.Modified())
        return true;
    const auto answer =
        UserPrompts::Message(&m_frame, QMessageBox::Question, ProgramTitle(),
                             QCoreApplication::translate("FrameFileCommands", "Do you want to save the changes ?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return WriteLikeSave();
    return answer == QMessageBox::No;
}

void FrameFileCommands::OpenChosenFile(const QString& path) {
    OpenResult result;
    {
        FrozenPainting frozen(m_frame);
        result = OpenDatabaseFile(m_database, FileName(path));
        if (!result.accepted) {
            if (result.emptied)
                ShowNewDatabase();
            ShowError(Text(kOpenFailedText));
            return;
        }
        RememberPath(path);
        m_recentFiles.Add(FileName(path));
        ShowOpened(path);
    }
    const QString leftOut = LeftOutText(result.import);
    if (!leftOut.isEmpty()) {
        m_frame.repaint();
        m_frame.Messages().ShowModal(leftOut, MessageMode::Ok);
    }
}

void FrameFileCommands::OpenRecovered(std::vector<std::uint8_t> bytes, const QString& originalPath) {
    FrozenPainting frozen(m_frame);
    const OpenResult result = OpenDatabaseFromBytes(m_database, std::move(bytes), FileName(originalPath));
    if (!result.accepted) {
        if (result.emptied)
            ShowNewDatabase();
        ShowError(Text(kOpenFailedText));
        return;
    }
    ShowOpened(originalPath);
    m_database.SetModified(true);
    m_frame.View().Document().StartAfresh(EditDocument::kUnsaved);
}

void FrameFileCommands::ShowOpened(const QString& path) {
    m_frame.View().Document().StartAfresh();
    if (path.isEmpty())
        m_frame.ShowNoTitle();
    else // an imported text list is named as such: Save will not write over it
        m_frame.ShowFileTitle(m_database.CurrentPath().empty() ? FileName(path) + " (imported)" : FileName(path));
    m_openedFileSaved = false;
    m_frame.View().RefreshAllPanes();
}

void FrameFileCommands::Save() {
    if (m_frame.Messages().ShowModal(QCoreApplication::translate("FrameFileCommands", "Are you sure Save?"),
                                     MessageMode::OkCancel) != MessageButton::Ok)
        return;
    WriteLikeSave();
}

bool FrameFileCommands::WriteLikeSave() {
    if (m_database.CurrentPath().empty())
        return SaveAs();
    return WriteChannelFile(m_database.CurrentPath());
}

bool FrameFileCommands::SaveAs() {
    const std::string offer = SaveAsOffer(m_database);
    const QString start = offer.empty() ? m_lastChosenPath : QFile::decodeName(QByteArray::fromStdString(offer));
    const QString path =
        ChooseSavePath(QCoreApplication::translate("FrameFileCommands", "Save as"), SaveAsFilter(), start);
    if (path.isEmpty())
        return false;
    RememberPath(path);
    return WriteChannelFile(FileName(path));
}

void FrameFileCommands::Export() {
    const QString path =
        ChooseSavePath(QCoreApplication::translate("FrameFileCommands", "Export"), ExportFilter(), m_lastChosenPath);
    if (path.isEmpty())
        return;
    RememberPath(path);
    const std::string fileName = FileName(path);
    // The file's own suffix says which listing it wants; any other name gets the text listing.
    const bool csv = QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    if (csv ? ExportCsv(m_database, fileName) : TextExporter(m_database).Export(fileName))
        ShowInformation(Text(kWriteCompleteText));
    else
        UserPrompts::Message(&m_frame, QMessageBox::NoIcon, ProgramTitle(),
                             QCoreApplication::translate("FrameFileCommands", "Error Opening Write source file <%1>")
                                 .arg(QFile::decodeName(QByteArray::fromStdString(fileName))));
}

QString FrameFileCommands::ChooseSavePath(const QString& title, const QString& filter, const QString& start) {
    QString path = UserPrompts::SaveFileName(&m_frame, title, start, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += FilterExtension(filter);
    return path;
}

bool FrameFileCommands::WriteChannelFile(const std::string& path) {
    if (!ui::MayGoOnDespiteProblems(&m_frame, CheckIntegrity(m_database),
                                    QCoreApplication::translate("FrameFileCommands", "Save anyway?")))
        return false;
    if (!KeepBackupBeforeSave(path))
        return false;
    if (!SaveDatabaseFile(m_database, path)) {
        ShowError(Text(kWriteFailedText));
        return false;
    }
    if (path == m_database.CurrentPath())
        m_openedFileSaved = true;
    m_frame.View().Document().MarkSaved();
    ShowInformation(Text(kWriteCompleteText));
    return true;
}

bool FrameFileCommands::KeepBackupBeforeSave(const std::string& path) {
    if (m_openedFileSaved || path != m_database.CurrentPath() || !m_frame.View().CurrentEditorSettings().KeepBackup())
        return true;
    if (KeepBackup(path))
        return true;
    ShowError(QCoreApplication::translate("FrameFileCommands",
                                          "The backup %1 could not be written, so the file was not saved.")
                  .arg(QFile::decodeName(QByteArray::fromStdString(BackupPathOf(path)))));
    return false;
}

void FrameFileCommands::RememberPath(const QString& path) {
    m_lastChosenPath = path;
    mStore.WriteProfileText(kPathSection, kPathEntry, FileName(path));
}

void FrameFileCommands::ShowError(const QString& text) {
    UserPrompts::Message(&m_frame, QMessageBox::Critical, ProgramTitle(), text);
}

void FrameFileCommands::ShowInformation(const QString& text) {
    UserPrompts::Message(&m_frame, QMessageBox::Information, ProgramTitle(), text);
}

} // namespace vorlane
