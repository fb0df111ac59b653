#include "loader/transfer_commands_file_choice.h"

#include "platform/settings_store.h"

#include <filesystem>
#include <system_error>

namespace vorlane {
namespace {

constexpr std::string_view kFolderValue = "BinPath";
constexpr std::string_view kFileNameValue = "BinFileName";

std::string WorkingFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

} // namespace

RememberedTransferFile ReadRememberedTransferFile(const SettingsStore& store) {
    RememberedTransferFile remembered;
    store.ReadText(kTransferFileKey, kFolderValue, WorkingFolder(), remembered.folder);
    store.ReadText(kTransferFileKey, kFileNameValue, "", remembered.fileName);
    return remembered;
}

bool RememberTransferFile(SettingsStore& store, const std::string& path) {
    const int folderStored = store.WriteText(kTransferFileKey, kFolderValue, FolderOfPath(path));
    const int nameStored = store.WriteText(kTransferFileKey, kFileNameValue, path);
    return folderStored && nameStored;
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t separator = path.rfind('/');
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool ChooseTransferFile(SettingsStore& store, TransferCommandsUi& ui, FileDialogKind kind, std::string& path) {
    const RememberedTransferFile remembered = ReadRememberedTransferFile(store);
    FileDialogRequest request;
    request.kind = kind;
    request.initialFolder = remembered.folder;
    request.initialFileName = remembered.fileName;
    std::string chosen;
    if (!ui.ChooseFile(request, chosen) || chosen.empty()) {
        path.clear();
        return false;
    }
    RememberTransferFile(store, chosen); // a store that cannot keep it only costs the next dialog its start
    path = chosen;
    return true;
}

} // namespace vorlane
