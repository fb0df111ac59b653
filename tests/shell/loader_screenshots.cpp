// Writes pictures of the loader in the editor, against the simulated receiver on a temporary port COM3:
//   loader_screenshots <folder> <file to open>
// com-setting.png (COM Setting with COM3 chosen), download-choice.png, upload-safety.png (the safety steps asked for
// an upload of the opened list saved as a channel file), and upload-in-progress.png (the editor with the file
// opened while a key file goes to the receiver at 115200 bit/s). Run with QT_QPA_PLATFORM=offscreen or
// under a virtual display.
#include "loader_test_util.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/loader_controls.h"
#include "shell/loader_link.h"
#include "shell/loader_progress_bar.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"
#include "shell/translations.h"
#include "shell/vorlane_application.h"
#include "sim/simulated_receiver.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

using vorlane::ui::UserPrompts;
using namespace std::chrono_literals;

bool Save(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The upload's percentage shown on the bar, or -1 before it starts.
int ShownPercent(vorlane::CMirevoView& view) {
    const std::string& caption = view.loaderControls().progressBar().State().caption;
    return caption.empty() || caption.find('%') == std::string::npos ? -1 : std::atoi(caption.c_str());
}

int Fail(const char* what) {
    std::fprintf(stderr, "loader_screenshots: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    vorlane::ui::InstallTranslations(); // the pictures speak the language of LANG, as the program does
    if (argc != 3) {
        std::fprintf(stderr, "usage: loader_screenshots <folder> <file to open>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    QDir(scratch.path()).mkdir(QStringLiteral("ports"));
    const std::string ports = QDir(scratch.path()).filePath(QStringLiteral("ports")).toStdString();
    ::setenv("VORLANE_SERIAL_DIR", ports.c_str(), 1);

    vorlane::SimulatorConfig config;
    config.linkPath = ports + "/COM3";
    config.bitsPerSecond = 115200;
    vorlane::SimulatedReceiver receiver(config);
    if (!receiver.start())
        return Fail("cannot start the simulated receiver");

    vorlane::VorlaneApplication application(std::make_unique<vorlane::MemorySettingsStore>());
    if (!application.Start())
        return Fail("the editor did not start");
    vorlane::CMainFrame& frame = application.frame();
    vorlane::CMirevoView& view = frame.view();
    UserPrompts::startRecording();
    UserPrompts::scriptAnswer(QString::fromLocal8Bit(argv[2]));
    frame.OnCommand(vorlane::kCmdOpen);
    view.satellitePane().SelectRow(0);
    view.OnPaneChoice(view.satellitePane());
    view.tvPane().SelectRow(0);
    view.OnPaneChoice(view.tvPane());

    bool saved = true;
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("portList"))->setCurrentIndex(2);
        saved = Save(dialog, folder, "com-setting.png") && saved;
        dialog.findChild<QPushButton*>(QStringLiteral("setButton"))->click();
        return dialog.result();
    });
    frame.OnCommand(vorlane::kCmdComSetting);
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        saved = Save(dialog, folder, "download-choice.png") && saved;
        return int(QDialog::Rejected);
    });
    frame.OnCommand(vorlane::kCmdConnect);
    if (!view.loader().IsPortOpen())
        return Fail("cannot connect to the simulated receiver");
    frame.OnCommand(vorlane::kCmdDownloadToPc);

    const QString channelPath = QDir(scratch.path()).filePath(QStringLiteral("mychannels.bin"));
    UserPrompts::scriptAnswer(channelPath);
    UserPrompts::scriptAnswer(QMessageBox::Ok); // "Complete to write file."
    frame.OnCommand(vorlane::kCmdSaveAs);
    UserPrompts::scriptAnswer(channelPath);
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        saved = Save(dialog, folder, "upload-safety.png") && saved;
        return int(QDialog::Rejected);
    });
    frame.OnCommand(vorlane::kCmdUploadToStb);

    // A key file goes up whole, without the break-in, so the picture shows a plain upload under way.
    const std::string keyPath = QDir(scratch.path()).filePath(QStringLiteral("update.key")).toStdString();
    std::ofstream(keyPath, std::ios::binary) << std::string(96 * 1024, '\x5A');
    UserPrompts::scriptAnswer(QString::fromStdString(keyPath));
    UserPrompts::scriptAnswer([](QDialog&) { return 1; }); // "Completed"
    frame.OnCommand(vorlane::kCmdUploadToStb);
    if (!vorlane::ui::RunEventsUntil([&] { return ShownPercent(view) >= 40; }, 60s))
        return Fail("the upload did not get under way");
    saved = Save(frame, folder, "upload-in-progress.png") && saved;
    vorlane::ui::RunEventsUntil([&] { return view.loader().commands().Outcome() != vorlane::TransferOutcome::None; },
                                60s);
    frame.OnCommand(vorlane::kCmdDisconnect);
    receiver.stop();
    return saved ? 0 : 1;
}
