#pragma once
// The command numbers of the main frame's menus, toolbar and accelerators. Menus, toolbar, keys and context
// menus share one number space.

namespace vorlane {

enum FrameCommand : int {
    kCmdNew = 32772,
    kCmdOpen = 32773,
    kCmdSave = 32774,
    kCmdSaveAs = 32775,
    kCmdExportMenuEntry = 32776,
    kCmdPrintMenuEntry = 32777,
    kCmdExit = 57665,
    kCmdComSetting = 32784,
    kCmdAutoConnect = 32779,
    kCmdConnect = 32780,
    kCmdDisconnect = 32781,
    kCmdUploadToStb = 32782,
    kCmdDownloadToPc = 32783,
    kCmdAllChannels = 32729,
    kCmdFtaChannels = 32732,
    kCmdScrambledChannels = 32733,
    kCmdInformation = 57664,
};

} // namespace vorlane
