#include "shell/frame_command_states.h"

#include "shell/frame_commands.h"
#include "shell/frame_filter_commands.h"

#include <QAction>

namespace vorlane::ui {
namespace {

constexpr int kConnectionCommands[] = {kCmdConnect, kCmdDisconnect, kCmdUploadToStb, kCmdDownloadToPc,
                                       kCmdRestoreBackup};

// Auto Connect is always enabled; Connect only while the serial port is closed; Disconnect, Upload to STB and
// Download to PC only while it is open, and Upload and Download not while a transfer runs.
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

} // namespace

void ApplyConnectionState(const CommandActions& actions, bool portOpen, bool transferRunning) {
    for (const int command : kConnectionCommands)
        if (QAction* action = actions.Find(command))
            action->setEnabled(ConnectionCommandEnabled(command, portOpen, transferRunning));
}

void CheckDisplayFilter(const CommandActions& actions, int displayFilter) {
    for (const int command : DisplayFilterCommands())
        if (QAction* action = actions.Find(command))
            action->setChecked(command == displayFilter);
}

} // namespace vorlane::ui
