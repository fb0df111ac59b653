// The loader against the simulated receiver on a temporary port COM3: com-setting.png (COM3 chosen),
// download-choice.png, upload-safety.png (the safety steps of an upload of the opened list saved as a channel
// file) and upload-in-progress.png (a key file going to the receiver at 115200 bit/s).
#include "camera.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/loader_controls.h"
#include "shell/loader_link.h"
#include "shell/loader_progress_bar.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"
#include "sim/simulated_receiver.h"

#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vorlane::screenshots {
namespace {

using ui::UserPrompts;

// The upload's percentage shown on the bar, or -1 before it starts.
int ShownPercent(CMirevoView& view) {
    const std::string& caption = view.LoaderControlsPanel().ProgressBar().State().caption;
    return caption.find('%') == std::string::npos ? -1 : std::atoi(caption.c_str());
}

bool Fail(const char* what) {
    std::fprintf(stderr, "vorlane-screenshots: %s\n", what);
    return false;
}

} // namespace

bool LoaderScene(Camera& camera, const SceneInput& input) {
    QTemporaryDir scratch;
    const QDir folder(scratch.path());
    folder.mkdir(QStringLiteral("ports"));
    const std::string ports = folder.filePath(QStringLiteral("ports")).toStdString();
    ::setenv("VORLANE_SERIAL_DIR", ports.c_str(), 1);
    SimulatorConfig config;
    config.linkPath = ports + "/COM3";
    config.bitsPerSecond = 115200;
    SimulatedReceiver receiver(config);
    if (!receiver.Start())
        return Fail("cannot start the simulated receiver");

    Editor editor;
    if (!editor.Started() || !editor.Open(input.file))
        return false;
    CMainFrame& frame = editor.Frame();
    CMirevoView& view = editor.View();
    editor.Choose(view.SatelliteListPane(), 0);
    editor.Choose(view.TvPane(), 0);
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("portList"))->setCurrentIndex(2);
        camera.Take(dialog, QStringLiteral("com-setting.png"));
        dialog.findChild<QPushButton*>(QStringLiteral("setButton"))->click();
        return dialog.result();
    });
    frame.OnCommand(kCmdComSetting);
    camera.TakeOpened(QStringLiteral("download-choice.png"), [&] { frame.OnCommand(kCmdConnect); });
    if (!view.Loader().IsPortOpen())
        return Fail("cannot connect to the simulated receiver");
    frame.OnCommand(kCmdDownloadToPc);

    const QString channelPath = folder.filePath(QStringLiteral("mychannels.bin"));
    UserPrompts::ScriptAnswer(channelPath);
    UserPrompts::ScriptAnswer(QMessageBox::Ok); // "Complete to write file."
    frame.OnCommand(kCmdSaveAs);
    UserPrompts::ScriptAnswer(channelPath);
    camera.TakeOpened(QStringLiteral("upload-safety.png"), [&] { frame.OnCommand(kCmdUploadToStb); });

    // A key file goes up whole, without the break-in, so the picture shows a plain upload under way.
    const std::string keyPath = folder.filePath(QStringLiteral("update.key")).toStdString();
    std::ofstream(keyPath, std::ios::binary) << std::string(96 * 1024, '\x5A');
    UserPrompts::ScriptAnswer(QString::fromStdString(keyPath));
    UserPrompts::ScriptAnswer([](QDialog&) { return 1; }); // "Completed"
    frame.OnCommand(kCmdUploadToStb);
    if (!RunEventsUntil([&] { return ShownPercent(view) >= 40; }))
        return Fail("the upload did not get under way");
    camera.Take(frame, QStringLiteral("upload-in-progress.png"));
    RunEventsUntil([&] { return view.Loader().Commands().Outcome() != TransferOutcome::None; });
    frame.OnCommand(kCmdDisconnect);
    receiver.Stop();
    return true;
}

} // namespace vorlane::screenshots
