// The main frame and the dialogs: "Message" in its modes, the about box, Editor Configuration, find, Rename,
// Channel move to, the property dialogs over the opened list's first rows, and each STB Configuration page.
#include "camera.h"
#include "panes/channel_pane.h"
#include "panes/editor_config_dialog.h"
#include "panes/find_dialog.h"
#include "panes/label_panes.h"
#include "panes/move_to_dialog.h"
#include "panes/pane_commands.h"
#include "panes/rename_dialog.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_defaults.h"
#include "settings/ui/stb_configuration_dialog.h"
#include "shell/about_dialog.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"
#include "shell/mirevo_view.h"

#include <QApplication>
#include <QTabWidget>
#include <array>

namespace vorlane::screenshots {
namespace {

void SmallDialogs(Camera& camera) {
    ui::MessageDialog message;
    for (MessageMode mode : {MessageMode::NoButton, MessageMode::Ok, MessageMode::OkCancel, MessageMode::AllButtons})
        camera.TakeOpened(QStringLiteral("message-mode-%1.png").arg(static_cast<int>(mode)),
                          [&] { message.ShowModal("Are you sure Save?", mode); });
    camera.TakeOpened(QStringLiteral("about.png"), [] { ui::ShowAboutBox(nullptr); });
    MemorySettingsStore store;
    EditorSettings editorSettings;
    // The scenes only need the dialogs open; what the user would answer does not matter here.
    camera.TakeOpened(QStringLiteral("editor-configuration.png"),
                      [&] { static_cast<void>(ui::EditEditorConfiguration(nullptr, editorSettings, store)); });
    FindState find;
    find.findText = "ABC";
    camera.TakeOpened(QStringLiteral("find.png"), [&] { static_cast<void>(ui::AskFind(nullptr, find)); });
    std::array<std::uint8_t, ReceiverSettings::kSize> record{};
    ReceiverSettings settings(record);
    ApplyStartupSettings(settings);
    camera.TakeOpened(QStringLiteral("rename.png"),
                      [&] { static_cast<void>(ui::RenameFavouriteGroup(nullptr, settings, 0)); });
    int number = 1;
    camera.TakeOpened(QStringLiteral("channel-move-to.png"),
                      [&] { static_cast<void>(ui::AskChannelMoveTarget(nullptr, number)); });
}

// The first real satellite, its first transponder and its first TV channel, as their commands open them.
bool PropertyDialogs(Camera& camera, Editor& editor, const QString& file) {
    if (!editor.Open(file))
        return false;
    CMirevoView& view = editor.View();
    editor.Choose(view.SatelliteListPane(), 1);
    camera.TakeOpened(QStringLiteral("satellite-dialog.png"), [&] { view.HandleCommand(kCmdSatelliteProperty); });
    editor.Choose(view.TransponderListPane(), 0);
    camera.TakeOpened(QStringLiteral("transponder-dialog.png"), [&] { view.HandleCommand(kCmdTransponderProperty); });
    editor.Choose(view.TvPane(), 0);
    camera.TakeOpened(QStringLiteral("channel-dialog.png"), [&] { view.HandleCommand(kCmdTvProperty); });
    return true;
}

// Each page as the dialog opens over the start-up record.
void StbConfiguration(Camera& camera) {
    std::array<std::uint8_t, ReceiverSettings::kSize> record{};
    ReceiverSettings settings(record);
    FillDefaults(settings);
    ApplyStartupSettings(settings);
    settings.set_base_latitude(-515);
    ui::StbConfigurationDialog dialog(settings);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("stbTabs"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        camera.Take(dialog, QStringLiteral("stb-configuration-%1-%2.png")
                                .arg(page + 1)
                                .arg(tabs->widget(page)->objectName().chopped(4).toLower()));
    }
}

} // namespace

bool DialogScene(Camera& camera, const SceneInput& input) {
    Editor editor;
    if (!editor.Started())
        return false;
    camera.Take(editor.Frame(), QStringLiteral("main-frame.png"));
    SmallDialogs(camera);
    StbConfiguration(camera);
    return PropertyDialogs(camera, editor, input.file);
}

} // namespace vorlane::screenshots
