#include "shell/main_frame.h"

#include "shell/about_dialog.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"
#include "shell/window_title.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMenuBar>

namespace vorlane {
namespace {

// Titles may carry a file path, so they are decoded the way file names are.
QString ToQString(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

} // namespace

CMainFrame::CMainFrame(ChannelDatabase& database, SettingsStore& store, const QFont& menuFont, QWidget* parent)
    : QMainWindow(parent), m_database(database), m_messageDialog(new ui::MessageDialog(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(1000, 720);

    menuBar()->setFont(menuFont);
    m_actions = ui::BuildMainMenus(*menuBar());
    QAction* exit = commandAction(kCmdExit);
    exit->setEnabled(true);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QAction* information = commandAction(kCmdInformation);
    information->setEnabled(true);
    connect(information, &QAction::triggered, this, [this] { ui::ShowAboutBox(this); });

    m_view = new CMirevoView(database, store, this);
    setCentralWidget(m_view);
    m_view->OnInitialUpdate();
    ShowStartTitle();
}

QAction* CMainFrame::commandAction(int command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
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
