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
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
    bool checkable = false;
};

constexpr MenuEntry kSeparator{0, nullptr};

constexpr MenuEntry kFileEntries[] = {
    {kCmdNew, "New File", QKeySequence::New},
    {kCmdOpen, "Open", QKeySequence::Open},
    {kCmdSave, "Save", QKeySequence::Save},
    {kCmdSaveAs, "Save as"},
    kSeparator,
    {kCmdExport, "Export"},
    {kCmdRestoreBackup, "Restore Receiver Backup..."},
    {kCmdPrint, "Print", QKeySequence::Print},
    {kCmdExit, "Exit"},
};

constexpr MenuEntry kToolsEntries[] = {
    {kCmdComSetting, "COM Setting"},
};

constexpr MenuEntry kConnectStatusEntries[] = {
    {kCmdAutoConnect, "Auto Connect"},    {kCmdConnect, "Connect"},
    {kCmdDisconnect, "Disconnect"},       {kCmdUploadToStb, "Upload to STB"},
    {kCmdDownloadToPc, "Download to PC"},
};

constexpr MenuEntry kConfigurationEntries[] = {
    kSeparator,
    {kCmdEditorConfig, "Editor Config"},
    {kCmdStbConfig, "STB Config"},
};

constexpr MenuEntry kChannelEntries[] = {
    {kCmdAllChannels, "All channels", QKeySequence::UnknownKey, true},
    {kCmdTuner1Channels, "Tuner 1 channels", QKeySequence::UnknownKey, true},
    {kCmdTuner2Channels, "Tuner 2 channels", QKeySequence::UnknownKey, true},
    {kCmdFtaChannels, "FTA channels", QKeySequence::UnknownKey, true},
    {kCmdScrambledChannels, "Scramble channels", QKeySequence::UnknownKey, true},
    kSeparator,
    {kCmdCopyT1ToT2, "Copy T1 to T2"},
    {kCmdCopyT2ToT1, "Copy T2 to T1"},
    {kCmdMergeTuners, "Merge T1 and T2"},
};

constexpr MenuEntry kAboutEntries[] = {
    {kCmdInformation, "Information"},
};

struct ToolTip {
    int command;
    const char* text;
};

constexpr ToolTip kToolTips[] = {
    {kCmdCopyT1ToT2, "Copy channels from T1 to T2"},
    {kCmdMergeTuners, "Merge channels T1 and T2"},
    {kCmdEditorConfig, "Editor Configuration"},
    {kCmdStbConfig, "STB Configuration"},
    {kCmdAllChannels, "Display All channels"},
    {kCmdTuner1Channels, "Display Tuner1 Channels"},
    {kCmdTuner2Channels, "Display Tuner2 channels"},
    {kCmdFtaChannels, "Display Free channels"},
    {kCmdScrambledChannels, "Display Scrambled channels"},
    {kCmdCopyT2ToT1, "Copy channels from T2 to T1"},
    {kCmdOpen, "Open File"},
    {kCmdSave, "Save File"},
    {kCmdAutoConnect, "Auto Connect"},
    {kCmdConnect, "Connect"},
    {kCmdDisconnect, "Disconnect"},
    {kCmdUploadToStb, "Upload to STB"},
    {kCmdDownloadToPc, "Download to PC"},
    {kCmdComSetting, "Editor COM Configuration"},
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
        action->setShortcut(entry.shortcut);
        action->setCheckable(entry.checkable);
        actions[entry.command] = action;
    }
}

void SetToolTips(const CommandActions& actions) {
    for (const ToolTip& tip : kToolTips)
        actions.at(tip.command)->setToolTip(QString::fromLatin1(tip.text));
}

} // namespace

CommandActions BuildMainMenus(QMenuBar& menuBar) {
    CommandActions actions;
    AddEntries(*menuBar.addMenu(QStringLiteral("File(&F)")), kFileEntries, actions);

    QMenu* tools = menuBar.addMenu(QStringLiteral("Tools(&T)"));
    AddEntries(*tools, kToolsEntries, actions);
    AddEntries(*tools->addMenu(QStringLiteral("Connect Status")), kConnectStatusEntries, actions);
    AddEntries(*tools, kConfigurationEntries, actions);

    AddEntries(*menuBar.addMenu(QStringLiteral("Channel(&C)")), kChannelEntries, actions);
    AddEntries(*menuBar.addMenu(QStringLiteral("About(&A)")), kAboutEntries, actions);
    SetToolTips(actions);
    return actions;
}

} // namespace vorlane::ui
