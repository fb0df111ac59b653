#pragma once
// The file choice of the upload and download commands: the dialog opens where the last chosen file was, and
// the choice is remembered per user for the next time.

#include "loader/transfer_commands_ui.h"

#include <string>
#include <string_view>

namespace vorlane {

class SettingsStore;

inline constexpr std::string_view kTransferFileKey = "Software\\QV\\QvLinkDesk\\File";

// "BinPath": the folder of the last chosen file with its trailing separator (default: the working folder);
// "BinFileName": its full path (default: none).
struct RememberedTransferFile {
    std::string folder;
    std::string fileName;
};

RememberedTransferFile ReadRememberedTransferFile(const SettingsStore& store);
// Stores the folder and the full path of `path`; true when both were stored.
bool RememberTransferFile(SettingsStore& store, const std::string& path);

// The part of `path` up to and including its last separator; empty when it has none.
std::string FolderOfPath(const std::string& path);

// Shows the dialog of `kind` at the remembered file. Chosen: remembers it, sets `path` and returns true.
// Cancelled: clears `path` and returns false.
[[nodiscard]] bool ChooseTransferFile(SettingsStore& store, TransferCommandsUi& ui, FileDialogKind kind,
                                      std::string& path);

} // namespace vorlane
