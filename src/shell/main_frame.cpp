#include "shell/main_frame.h"

#include "panes/editor_config_dialog.h"
#include "settings/ui/stb_configuration_dialog.h"
#include "shell/about_dialog.h"
#include "shell/frame_command_states.h"
#include "shell/frame_commands.h"
#include "shell/frame_filter_commands.h"
#include "shell/frame_toolbar.h"
#include "shell/loader_link.h"
#include "shell/mirevo_view.h"
#include "shell/window_title.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace vorlane {
namespace {

// The toolbar has no menu to open, so its states are renewed while the program is idle.
constexpr int kStateUpdateIntervalMs = 250;

// Titles may carry a file path, so they are decoded the way file names are.
QString ToQString(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

bool IsConnectionCommand(int command) {
    return (command >= kCmdAutoConnect && command <= kCmdDownloadToPc) || command == kCmdRestoreBackup;
}

} // namespace

CMainFrame::CMainFrame(ChannelDatabase& database, SettingsStore& store, const QFont& menuFont, QWidget* parent)
    : QMainWindow(parent), m_database(database), m_store(store), m_messageDialog(new ui::MessageDialog(this)),
      m_fileCommands(*this, database, store) {
    setObjectName(QStringLiteral("mainFrame"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(1000, 720);

    menuBar()->setFont(menuFont);
    m_actions = ui::BuildMainMenus(*menuBar());
    m_toolBar = ui::BuildFrameToolBar(*this, m_actions);

    m_view = new CMirevoView(database, store, this);
    setCentralWidget(m_view);
    m_portOpen = [this] { return m_view->loader().IsPortOpen(); };
    m_tunerCommands = std::make_unique<FrameTunerCommands>(database, *m_view, *m_messageDialog);
    m_saveHandler = [this] { return m_fileCommands.WriteLikeSave(); };
    m_view->OnInitialUpdate();
    ConnectCommands();
    UpdateCommandStates();
    ShowStartTitle();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::ConnectCommands() {
    for (const auto& [command, action] : m_actions)
        connect(action, &QAction::triggered, this, [this, command = command] { OnCommand(command); });
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    auto* idleUpdate = new QTimer(this);
    connect(idleUpdate, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    idleUpdate->start(kStateUpdateIntervalMs);
}

QAction* CMainFrame::commandAction(int command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

bool CMainFrame::OnCommand(int command) {
    if (IsDisplayFilterCommand(command)) {
        ChooseDisplayFilter(*m_view, command);
    } else if (IsConnectionCommand(command) || command == kCmdComSetting) {
        if (!ui::ConnectionCommandEnabled(command, m_portOpen()))
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
            PrintNotImplemented();
            break;
        case kCmdExit:
            close();
            break;
        case kCmdEditorConfig:
            if (ui::EditEditorConfiguration(this, m_view->editorSettings(), m_store))
                m_view->ApplyEditorSettings();
            break;
        case kCmdStbConfig:
            ui::RunStbConfiguration(this, m_database);
            break;
        case kCmdCopyT1ToT2:
            m_tunerCommands->Copy(0, 1);
            break;
        case kCmdCopyT2ToT1:
            m_tunerCommands->Copy(1, 0);
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
    UpdateCommandStates();
    return true;
}

void CMainFrame::UpdateCommandStates() {
    ui::UpdateCommandStates(m_actions, m_portOpen(), m_view->displayFilter());
}

void CMainFrame::PrintNotImplemented() {
    m_messageDialog->ShowModal(QStringLiteral("It is not implement yet."), ui::MessageDialog::kModeOk);
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

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (ConfirmClose(this, m_database, m_saveHandler))
        event->accept();
    else
        event->ignore();
}

} // namespace vorlane
