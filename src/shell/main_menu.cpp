#include "shell/main_menu.h"

#include "shell/frame_commands.h"

#include <QAction>
#include <QCoreApplication>
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
    {kCmdNew, QT_TRANSLATE_NOOP("MainMenu", "New File"), QKeySequence::New},
    {kCmdOpen, QT_TRANSLATE_NOOP("MainMenu", "Open"), QKeySequence::Open},
    {kCmdSave, QT_TRANSLATE_NOOP("MainMenu", "Save"), QKeySequence::Save},
    {kCmdSaveAs, QT_TRANSLATE_NOOP("MainMenu", "Save as")},
    kSeparator,
    {kCmdExport, QT_TRANSLATE_NOOP("MainMenu", "Export")},
    {kCmdApplyOrder, QT_TRANSLATE_NOOP("MainMenu", "Apply Order from Reference List...")},
    {kCmdCompareWithFile, QT_TRANSLATE_NOOP("MainMenu", "Compare with File...")},
    {kCmdRestoreBackup, QT_TRANSLATE_NOOP("MainMenu", "Restore Receiver Backup...")},
    {kCmdPrint, QT_TRANSLATE_NOOP("MainMenu", "Print"), QKeySequence::Print},
    {kCmdExit, QT_TRANSLATE_NOOP("MainMenu", "Exit")},
};

constexpr MenuEntry kEditEntries[] = {
    {kCmdUndo, QT_TRANSLATE_NOOP("MainMenu", "Undo"), QKeySequence::Undo},
    {kCmdRedo, QT_TRANSLATE_NOOP("MainMenu", "Redo")},
};

constexpr MenuEntry kToolsEntries[] = {
    {kCmdComSetting, QT_TRANSLATE_NOOP("MainMenu", "COM Setting")},
};

constexpr MenuEntry kConnectStatusEntries[] = {
    {kCmdAutoConnect, QT_TRANSLATE_NOOP("MainMenu", "Auto Connect")},
    {kCmdConnect, QT_TRANSLATE_NOOP("MainMenu", "Connect")},
    {kCmdDisconnect, QT_TRANSLATE_NOOP("MainMenu", "Disconnect")},
    {kCmdUploadToStb, QT_TRANSLATE_NOOP("MainMenu", "Upload to STB")},
    {kCmdDownloadToPc, QT_TRANSLATE_NOOP("MainMenu", "Download to PC")},
};

constexpr MenuEntry kConfigurationEntries[] = {
    kSeparator,
    {kCmdEditorConfig, QT_TRANSLATE_NOOP("MainMenu", "Editor Config")},
    {kCmdStbConfig, QT_TRANSLATE_NOOP("MainMenu", "STB Config")},
};

constexpr MenuEntry kChannelEntries[] = {
    {kCmdAllChannels, QT_TRANSLATE_NOOP("MainMenu", "All channels"), QKeySequence::UnknownKey, true},
    {kCmdTuner1Channels, QT_TRANSLATE_NOOP("MainMenu", "Tuner 1 channels"), QKeySequence::UnknownKey, true},
    {kCmdTuner2Channels, QT_TRANSLATE_NOOP("MainMenu", "Tuner 2 channels"), QKeySequence::UnknownKey, true},
    {kCmdFtaChannels, QT_TRANSLATE_NOOP("MainMenu", "FTA channels"), QKeySequence::UnknownKey, true},
    {kCmdScrambledChannels, QT_TRANSLATE_NOOP("MainMenu", "Scramble channels"), QKeySequence::UnknownKey, true},
    kSeparator,
    {kCmdCopyT1ToT2, QT_TRANSLATE_NOOP("MainMenu", "Copy T1 to T2")},
    {kCmdCopyT2ToT1, QT_TRANSLATE_NOOP("MainMenu", "Copy T2 to T1")},
    {kCmdMergeTuners, QT_TRANSLATE_NOOP("MainMenu", "Merge T1 and T2")},
    kSeparator,
    {kCmdFindDuplicates, QT_TRANSLATE_NOOP("MainMenu", "Find Duplicates...")},
};

constexpr MenuEntry kAboutEntries[] = {
    {kCmdInformation, QT_TRANSLATE_NOOP("MainMenu", "Information")},
};

struct ToolTip {
    int command;
    const char* text;
};

constexpr ToolTip kToolTips[] = {
    {kCmdCopyT1ToT2, QT_TRANSLATE_NOOP("MainMenu", "Copy channels from T1 to T2")},
    {kCmdMergeTuners, QT_TRANSLATE_NOOP("MainMenu", "Merge channels T1 and T2")},
    {kCmdEditorConfig, QT_TRANSLATE_NOOP("MainMenu", "Editor Configuration")},
    {kCmdStbConfig, QT_TRANSLATE_NOOP("MainMenu", "STB Configuration")},
    {kCmdAllChannels, QT_TRANSLATE_NOOP("MainMenu", "Display All channels")},
    {kCmdTuner1Channels, QT_TRANSLATE_NOOP("MainMenu", "Display Tuner1 Channels")},
    {kCmdTuner2Channels, QT_TRANSLATE_NOOP("MainMenu", "Display Tuner2 channels")},
    {kCmdFtaChannels, QT_TRANSLATE_NOOP("MainMenu", "Display Free channels")},
    {kCmdScrambledChannels, QT_TRANSLATE_NOOP("MainMenu", "Display Scrambled channels")},
    {kCmdCopyT2ToT1, QT_TRANSLATE_NOOP("MainMenu", "Copy channels from T2 to T1")},
    {kCmdOpen, QT_TRANSLATE_NOOP("MainMenu", "Open File")},
    {kCmdSave, QT_TRANSLATE_NOOP("MainMenu", "Save File")},
    {kCmdAutoConnect, QT_TRANSLATE_NOOP("MainMenu", "Auto Connect")},
    {kCmdConnect, QT_TRANSLATE_NOOP("MainMenu", "Connect")},
    {kCmdDisconnect, QT_TRANSLATE_NOOP("MainMenu", "Disconnect")},
    {kCmdUploadToStb, QT_TRANSLATE_NOOP("MainMenu", "Upload to STB")},
    {kCmdDownloadToPc, QT_TRANSLATE_NOOP("MainMenu", "Download to PC")},
    {kCmdComSetting, QT_TRANSLATE_NOOP("MainMenu", "Editor COM Configuration")},
};

QString Translated(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

class MenuFiller {
public:
    MenuFiller(CommandActions& actions, QObject& owner) : m_actions(actions), m_owner(owner) {}

    void AddEntries(QMenu& menu, std::span<const MenuEntry> entries) {
        for (const MenuEntry& entry : entries) {
            if (entry.command == 0) {
                menu.addSeparator();
                continue;
            }
            QAction* action = m_actions.Add(entry.command, Translated(entry.text), m_owner);
            action->setShortcut(entry.shortcut);
            action->setCheckable(entry.checkable);
            menu.addAction(action);
        }
    }

private:
    CommandActions& m_actions;
    QObject& m_owner;
};

void SetToolTips(const CommandActions& actions) {
    for (const ToolTip& tip : kToolTips)
        actions.Action(tip.command)->setToolTip(Translated(tip.text));
}

} // namespace

void BuildMainMenus(QMenuBar& menuBar, CommandActions& actions, QObject& owner) {
    MenuFiller filler(actions, owner);
    filler.AddEntries(*menuBar.addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "File(&F)"))), kFileEntries);
    filler.AddEntries(*menuBar.addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "Edit(&E)"))), kEditEntries);
    actions.Action(kCmdRedo)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* tools = menuBar.addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "Tools(&T)")));
    filler.AddEntries(*tools, kToolsEntries);
    filler.AddEntries(*tools->addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "Connect Status"))),
                      kConnectStatusEntries);
    filler.AddEntries(*tools, kConfigurationEntries);

    filler.AddEntries(*menuBar.addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "Channel(&C)"))), kChannelEntries);
    filler.AddEntries(*menuBar.addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "About(&A)"))), kAboutEntries);
    SetToolTips(actions);
}

} // namespace vorlane::ui
