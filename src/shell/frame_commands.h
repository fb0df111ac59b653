#pragma once
// The command numbers of the main frame's menus, toolbar and accelerators. Menus, toolbar, keys and context
// menus share one number space.

namespace vorlane {

enum FrameCommand : int {
    kCmdNew = 32772,
    kCmdNewKey = 57600, // the same command from the accelerator
    kCmdOpen = 32773,
    kCmdOpenKey = 57601, // the same command from the accelerator
    kCmdSave = 32774,
    kCmdSaveAs = 32775,
    kCmdExport = 32735,
    kCmdPrint = 57607,
    kCmdExit = 57665,
    kCmdComSetting = 32784,
    kCmdAutoConnect = 32779,
    kCmdConnect = 32780,
    kCmdDisconnect = 32781,
    kCmdUploadToStb = 32782,
    kCmdDownloadToPc = 32783,
    kCmdRestoreBackup = 32790, // File > "Restore Receiver Backup..."
    kCmdAllChannels = 32729,
    kCmdTuner1Channels = 32730,
    kCmdTuner2Channels = 32731,
    kCmdFtaChannels = 32732,
    kCmdScrambledChannels = 32733,
    kCmdEditorConfig = 32727,
    kCmdStbConfig = 32728,
    kCmdCopyT1ToT2 = 32725,
    kCmdCopyT2ToT1 = 32734,
    kCmdMergeTuners = 32726,
    kCmdInformation = 57664,
    // the list tools
    kCmdFindDuplicates = 33001,
    kCmdApplyOrder = 33002,
    kCmdCompareWithFile = 33003,
    kCmdUndo = 57643,
    kCmdRedo = 57644,
};

} // namespace vorlane
