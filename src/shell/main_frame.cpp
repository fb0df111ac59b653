#include "shell/main_frame.h"

#include "panes/editor_config_dialog.h"
#include "platform/widgets/user_prompts.h"
#include "settings/ui/stb_configuration_dialog.h"
#include "shell/about_dialog.h"
#include "shell/edit_document.h"
#include "shell/frame_commands.h"
#include "shell/frame_filter_commands.h"
#include "shell/frame_toolbar.h"
#include "shell/loader_link.h"
#include "shell/mirevo_view.h"
#include "shell/recovery_file.h"
#include "shell/window_title.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

namespace vorlane {
namespace {

// Titles may carry a file path, so they are decoded the way file names are.
QString ToQString(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

// The first local file of a drag; empty when it carries none.
QString DraggedFile(const QMimeData* data) {
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}

bool IsConnectionCommand(int command) {
    return (command >= kCmdAutoConnect && command <= kCmdDownloadToPc) || command == kCmdRestoreBackup;
}

} // namespace

CMainFrame::CMainFrame(ChannelDatabase& database, SettingsStore& store, const QFont& menuFont, QWidget* parent)
    : QMainWindow(parent), m_database(database), mStore(store), m_messageDialog(new ui::MessageDialog(this)),
      m_fileCommands(*this, database, store) {
    setObjectName(QStringLiteral("mainFrame"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(1000, 720);

    // The view holds the registry of the commands' actions, so it comes first; the menus add theirs to it.
    m_view = new CMirevoView(database, store, this);
    setCentralWidget(m_view);
    ui::CommandActions& actions = m_view->CommandActions();
    menuBar()->setFont(menuFont);
    ui::BuildMainMenus(*menuBar(), actions, *m_view);
    m_toolBar = ui::BuildFrameToolBar(*this, actions);
    AddRecentFilesMenu();
    setAcceptDrops(true);

    m_tunerCommands = std::make_unique<FrameTunerCommands>(database, *m_view, *m_messageDialog);
    m_listTools = std::make_unique<FrameListToolCommands>(database, *m_view, *this);
    m_saveHandler = [this] { return m_fileCommands.WriteLikeSave(); };
    m_view->OnInitialUpdate();
    m_recovery = new RecoveryFile(m_view->Document(), QString(), this);
    ConnectCommands();
    m_view->RenewCommandStates();
    ShowStartTitle();
}

CMainFrame::~CMainFrame() = default;

// The panes' actions run the view's commands; the menu bar's run the frame's.
void CMainFrame::ConnectCommands() {
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (const int command = action->data().toInt(); command != 0 && !action->menu())
                connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
}

void CMainFrame::AddRecentFilesMenu() {
    QMenu* file = menuBar()->actions().at(0)->menu();
    m_recentFilesMenu = new QMenu(QCoreApplication::translate("MainFrame", "Recent Files"), this);
    m_recentFilesMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    const QList<QAction*> entries = file->actions();
    file->insertMenu(entries.at(entries.indexOf(CommandAction(kCmdSaveAs)) + 1), m_recentFilesMenu);
    connect(m_recentFilesMenu, &QMenu::aboutToShow, this, &CMainFrame::FillRecentFilesMenu);
}

void CMainFrame::FillRecentFilesMenu() {
    m_recentFilesMenu->clear();
    for (const std::string& name : m_fileCommands.RecentFileList().Paths()) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(name));
        QAction* entry = m_recentFilesMenu->addAction(path);
        entry->setEnabled(QFileInfo::exists(path));
        connect(entry, &QAction::triggered, this, [this, path] { m_fileCommands.OpenPath(path); });
    }
}

QAction* CMainFrame::CommandAction(int command) const {
    return m_view->CommandActions().Find(command);
}

bool CMainFrame::OnCommand(int command) {
    if (IsDisplayFilterCommand(command)) {
        ChooseDisplayFilter(*m_view, command);
    } else if (IsConnectionCommand(command) || command == kCmdComSetting) {
        if (!CommandAction(command)->isEnabled())
            return false;
        m_view->HandleCommand(command);
    } else {
        switch (command) {
        case kCmdNew:
        case kCmdNewKey:
            m_fileCommands.New();
            break;
        case kCmdOpen:
        case kCmdOpenKey:
            m_fileCommands.Open();
            break;
        case kCmdSave:
            m_fileCommands.Save();
            break;
        case kCmdSaveAs:
            m_fileCommands.SaveAs();
            break;
        case kCmdExport:
            m_fileCommands.Export();
            break;
        case kCmdPrint:
            m_listTools->Print();
            break;
        case kCmdFindDuplicates:
            m_listTools->FindDuplicates();
            break;
        case kCmdApplyOrder:
            m_listTools->ApplyOrderFromReference(m_fileCommands.LastChosenPath());
            break;
        case kCmdCompareWithFile:
            m_listTools->CompareWithFile(m_fileCommands.LastChosenPath());
            break;
        case kCmdExit:
            close();
            break;
        case kCmdEditorConfig:
            if (ui::EditEditorConfiguration(this, m_view->CurrentEditorSettings(), mStore))
                m_view->ApplyEditorSettings();
            break;
        case kCmdStbConfig:
            ui::RunStbConfiguration(this, m_database);
            m_view->CommitEdit(QCoreApplication::translate("MainFrame", "STB Configuration"));
            break;
        case kCmdUndo:
            m_view->UndoEdit();
            break;
        case kCmdRedo:
            m_view->RedoEdit();
            break;
        case kCmdCopyT1ToT2:
            m_tunerCommands->Copy(TunerSide::First, TunerSide::Second);
            break;
        case kCmdCopyT2ToT1:
            m_tunerCommands->Copy(TunerSide::Second, TunerSide::First);
            break;
        case kCmdMergeTuners:
            m_tunerCommands->Merge();
            break;
        case kCmdInformation:
            ui::ShowAboutBox(this);
            break;
        default:
            return false;
        }
    }
    return true;
}

void CMainFrame::OfferRecovery() {
    std::optional<RecoveredWork> work = m_recovery->Find();
    if (!work)
        return;
    const QString question = QCoreApplication::translate("MainFrame", "Recover unsaved changes from %1?")
                                 .arg(work->written.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
    const auto answer = ui::UserPrompts::Message(this, QMessageBox::Question, QStringLiteral("Vorlane"), question,
                                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        m_recovery->Adopt();
        m_fileCommands.OpenRecovered(std::move(work->bytes), work->originalPath);
    } else
        m_recovery->Remove();
}

void CMainFrame::ShowStartTitle() {
    setWindowTitle(ToQString(StartWindowTitle()));
}

void CMainFrame::ShowNoTitle() {
    setWindowTitle(ToQString(NoTitleWindowTitle()));
}

void CMainFrame::ShowFileTitle(const std::string& path) {
    setWindowTitle(ToQString(FileWindowTitle(path)));
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_fileCommands.OpenPath(path);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (ConfirmClose(this, m_database, m_saveHandler))
        event->accept();
    else
        event->ignore();
}

} // namespace vorlane
