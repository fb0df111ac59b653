#include "shell/frame_toolbar.h"

#include "shell/frame_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMainWindow>
#include <QToolBar>

// The icons are compiled into this static library, so they are registered by name before use.
static void RegisterFrameIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace vorlane::ui {
namespace {

struct ToolButton {
    int command; // 0: a separator
    const char* icon;
};

constexpr ToolButton kButtons[] = {
    {kCmdOpen, "open"},
    {kCmdSave, "save"},
    {kCmdUndo, "undo"},
    {kCmdRedo, "redo"},
    {0, nullptr},
    {kCmdAutoConnect, "auto-connect"},
    {kCmdConnect, "connect"},
    {kCmdDisconnect, "disconnect"},
    {kCmdUploadToStb, "upload"},
    {kCmdDownloadToPc, "download"},
    {0, nullptr},
    {kCmdAllChannels, "all-channels"},
    {kCmdFtaChannels, "fta-channels"},
    {kCmdScrambledChannels, "scrambled-channels"},
};

} // namespace

QToolBar* BuildFrameToolBar(QMainWindow& frame, const CommandActions& actions) {
    RegisterFrameIcons();
    auto* toolBar = new QToolBar(QCoreApplication::translate("FrameToolbar", "Toolbar"), &frame);
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : kButtons) {
        if (button.command == 0) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = actions.Action(button.command);
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon))));
        toolBar->addAction(action);
    }
    frame.addToolBar(Qt::TopToolBarArea, toolBar);
    return toolBar;
}

} // namespace vorlane::ui
