// Writes a picture of the editor with a channel list opened through File > Open and "All" satellites chosen:
//   frame_screenshot <picture.png> <channel list or channel file> [<width>x<height>]
// Without a size, three TV channels are deleted and the Edit menu is open on "Undo Delete 3 channels"; with one,
// the window has that size and the first TV channel is chosen.
// (run with QT_QPA_PLATFORM=offscreen or under a virtual display).
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"
#include "shell/translations.h"
#include "shell/vorlane_application.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    vorlane::ui::InstallTranslations(); // the pictures speak the language of LANG, as the program does
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: frame_screenshot <picture.png> <file to open> [<width>x<height>]\n");
        return 2;
    }
    vorlane::VorlaneApplication application(std::make_unique<vorlane::MemorySettingsStore>());
    if (!application.Start())
        return 1;
    vorlane::CMainFrame& frame = application.frame();
    vorlane::CMirevoView& view = frame.view();
    if (argc == 4) {
        const QStringList size = QString::fromLocal8Bit(argv[3]).split(QLatin1Char('x'));
        if (size.size() != 2) {
            std::fprintf(stderr, "size must read <width>x<height>\n");
            return 2;
        }
        frame.resize(size[0].toInt(), size[1].toInt());
    }

    // Every prompt is answered by script; one the open did not expect stops the program loudly.
    vorlane::ui::UserPrompts::startRecording();
    vorlane::ui::UserPrompts::scriptAnswer(QString::fromLocal8Bit(argv[2]));
    frame.OnCommand(vorlane::kCmdOpen);
    if (view.database().currentPath().empty() && view.database().importedPath().empty()) {
        std::fprintf(stderr, "cannot open %s\n", argv[2]);
        return 1;
    }
    const bool withEditMenu = argc == 3;
    if (withEditMenu) {
        // What a click on the "All" row, a selection of three TV channels and the Delete key would do.
        view.satellitePane().SelectRow(0);
        view.OnPaneChoice(view.satellitePane());
        view.tvPane().SelectRows({0, 1, 2});
        view.HandleCommand(vorlane::kCmdTvDelete);
    } else {
        // Open chose "All"; a click on the first TV channel chooses it.
        view.tvPane().SelectRow(0);
        view.OnPaneChoice(view.tvPane());
    }
    QApplication::processEvents();

    QPixmap picture = frame.grab();
    if (withEditMenu) {
        // The open menu is a window of its own, so it is drawn into the frame's picture where it stands.
        QAction* editMenu = frame.menuBar()->actions().at(1);
        frame.menuBar()->setActiveAction(editMenu);
        QApplication::processEvents();
        picture = frame.grab();
        QPainter(&picture).drawPixmap(frame.mapFromGlobal(editMenu->menu()->pos()), editMenu->menu()->grab());
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
