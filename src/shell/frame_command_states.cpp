#include "shell/frame_command_states.h"

#include "shell/frame_commands.h"
#include "shell/frame_filter_commands.h"

#include <QAction>

namespace vorlane::ui {

bool ConnectionCommandEnabled(int command, bool portOpen, bool transferRunning) {
    switch (command) {
    case kCmdConnect:
        return !portOpen;
    case kCmdDisconnect:
        return portOpen;
    case kCmdUploadToStb:
    case kCmdDownloadToPc:
    case kCmdRestoreBackup:
        return portOpen && !transferRunning;
    default:
        return true;
    }
}

void UpdateCommandStates(const CommandActions& actions, bool portOpen, int displayFilter, bool transferRunning) {
    for (const auto& [command, action] : actions) {
        action->setEnabled(ConnectionCommandEnabled(command, portOpen, transferRunning));
        if (IsDisplayFilterCommand(command))
            action->setChecked(command == displayFilter);
    }
}

} // namespace vorlane::ui
