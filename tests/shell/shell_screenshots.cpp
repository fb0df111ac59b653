// Writes a picture of the main frame and of the shell's and editor's small dialogs into a folder:
//   shell_screenshots <folder>   (run with QT_QPA_PLATFORM=offscreen or under a virtual display)
// Each dialog is opened through its ordinary entry point; the prompt seam hands the open dialog to the camera.
#include "panes/editor_config_dialog.h"
#include "panes/find_dialog.h"
#include "panes/move_to_dialog.h"
#include "panes/rename_dialog.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "settings/settings_defaults.h"
#include "shell/about_dialog.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"
#include "shell/vorlane_application.h"

#include <QApplication>
#include <QDir>
#include <array>
#include <cstdio>
#include <functional>

namespace {

using vorlane::ui::UserPrompts;

bool Save(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// Opens a dialog through `open` and takes its picture while it is open.
bool SaveOpened(const QDir& folder, const char* name, const std::function<void()>& open) {
    bool saved = false;
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        saved = Save(dialog, folder, name);
        return int(QDialog::Rejected);
    });
    open();
    return saved;
}

bool MainFrame(const QDir& folder) {
    vorlane::VorlaneApplication application(std::make_unique<vorlane::MemorySettingsStore>());
    return application.Start() && Save(application.frame(), folder, "main-frame.png");
}

bool MessageDialogs(const QDir& folder) {
    vorlane::ui::MessageDialog dialog;
    bool saved = true;
    const std::pair<int, const char*> modes[] = {
        {0, "message-mode-0.png"}, {1, "message-mode-1.png"}, {2, "message-mode-2.png"}, {3, "message-mode-3.png"}};
    for (const auto& [mode, name] : modes)
        saved = SaveOpened(folder, name, [&] { dialog.ShowModal("Are you sure Save?", mode); }) && saved;
    return saved;
}

bool AboutBox(const QDir& folder) {
    return SaveOpened(folder, "about.png", [] { vorlane::ui::ShowAboutBox(nullptr); });
}

bool EditorConfiguration(const QDir& folder) {
    vorlane::MemorySettingsStore store;
    vorlane::EditorSettings settings;
    return SaveOpened(folder, "editor-configuration.png",
                      [&] { vorlane::ui::EditEditorConfiguration(nullptr, settings, store); });
}

bool FindDialog(const QDir& folder) {
    vorlane::FindState state;
    state.find_text = "ABC";
    return SaveOpened(folder, "find.png", [&] { vorlane::ui::AskFind(nullptr, state); });
}

bool RenameDialog(const QDir& folder) {
    std::array<std::uint8_t, vorlane::ReceiverSettings::kSize> record{};
    vorlane::ReceiverSettings settings(record);
    vorlane::ApplyStartupSettings(settings);
    return SaveOpened(folder, "rename.png", [&] { vorlane::ui::RenameFavouriteGroup(nullptr, settings, 0); });
}

bool MoveToDialog(const QDir& folder) {
    int number = 1;
    return SaveOpened(folder, "channel-move-to.png", [&] { vorlane::ui::AskChannelMoveTarget(nullptr, number); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool saved = true;
    for (const auto& shot :
         {MainFrame, MessageDialogs, AboutBox, EditorConfiguration, FindDialog, RenameDialog, MoveToDialog})
        saved = shot(folder) && saved;
    return saved ? 0 : 1;
}
