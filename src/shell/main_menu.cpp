#include "shell/main_menu.h"

#include "shell/frame_commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <span>

namespace vorlane::ui {
namespace {

struct MenuEntry {
    int command; // 0: a separator
    const char* text;
    QKeySequence::StandardKey shortcut;
};

constexpr QKeySequence::StandardKey kNoKey = QKeySequence::UnknownKey;

constexpr MenuEntry kFileEntries[] = {
    {kCmdNew, "New File", QKeySequence::New},
    {kCmdOpen, "Open", QKeySequence::Open},
    {kCmdSave, "Save", QKeySequence::Save},
    {kCmdSaveAs, "Save as", kNoKey},
    {0, nullptr, kNoKey},
    {kCmdExportMenuEntry, "Export", kNoKey},
    {kCmdPrintMenuEntry, "Print", kNoKey},
    {kCmdExit, "Exit", kNoKey},
};

constexpr MenuEntry kToolsEntries[] = {
    {kCmdComSetting, "COM Setting", kNoKey},
};

constexpr MenuEntry kConnectStatusEntries[] = {
    {kCmdAutoConnect, "Auto Connect", kNoKey},    {kCmdConnect, "Connect", kNoKey},
    {kCmdDisconnect, "Disconnect", kNoKey},       {kCmdUploadToStb, "Upload to STB", kNoKey},
    {kCmdDownloadToPc, "Download to PC", kNoKey},
};

constexpr MenuEntry kChannelEntries[] = {
    {kCmdAllChannels, "All channels", kNoKey},
    {kCmdFtaChannels, "FTA channels", kNoKey},
    {kCmdScrambledChannels, "Scramble channels", kNoKey},
};

constexpr MenuEntry kAboutEntries[] = {
    {kCmdInformation, "Information", kNoKey},
};

void AddEntries(QMenu& menu, std::span<const MenuEntry> entries, CommandActions& actions) {
    for (const MenuEntry& entry : entries) {
        if (entry.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QStringLiteral("command%1").arg(entry.command));
        action->setData(entry.command);
        if (entry.shortcut != kNoKey)
            action->setShortcut(entry.shortcut);
        action->setEnabled(false);
        actions[entry.command] = action;
    }
}

} // namespace

CommandActions BuildMainMenus(QMenuBar& menuBar) {
    CommandActions actions;
    AddEntries(*menuBar.addMenu(QStringLiteral("File(&F)")), kFileEntries, actions);

    QMenu* tools = menuBar.addMenu(QStringLiteral("Tools(&T)"));
    AddEntries(*tools, kToolsEntries, actions);
    AddEntries(*tools->addMenu(QStringLiteral("Connect Status")), kConnectStatusEntries, actions);

    QMenu* channel = menuBar.addMenu(QStringLiteral("Channel(&C)"));
    AddEntries(*channel, kChannelEntries, actions);
    for (const MenuEntry& entry : kChannelEntries)
        actions[entry.command]->setCheckable(true);

    AddEntries(*menuBar.addMenu(QStringLiteral("About(&A)")), kAboutEntries, actions);
    return actions;
}

} // namespace vorlane::ui
