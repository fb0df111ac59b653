#include "shell/frame_command_states.h"

#include "shell/frame_commands.h"
#include "shell/frame_filter_commands.h"

#include <QAction>

namespace vorlane::ui {

bool ConnectionCommandEnabled(int command, bool portOpen) {
    switch (command) {
    case kCmdConnect:
        return !portOpen;
    case kCmdDisconnect:
    case kCmdUploadToStb:
    case kCmdDownloadToPc:
    case kCmdRestoreBackup:
        return portOpen;
    default:
        return true;
    }
}

void UpdateCommandStates(const CommandActions& actions, bool portOpen, int displayFilter) {
    for (const auto& [command, action] : actions) {
        action->setEnabled(ConnectionCommandEnabled(command, portOpen));
        if (IsDisplayFilterCommand(command))
            action->setChecked(command == displayFilter);
    }
}

} // namespace vorlane::ui
