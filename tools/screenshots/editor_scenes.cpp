// The editor with a list opened, and the list tools over a list with duplicates.
#include "camera.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

namespace vorlane::screenshots {
namespace {

using ui::UserPrompts;

struct Record {
    char type;
    const char* frequency;
    const char* polarisation;
    const char* name;
    const char* programNumber;
};

// A list after a second scan: channels found twice, one under a new name.
constexpr Record kRescan[] = {
    {'T', "011727", "0000", "Kanal Aurora", "01101"},     {'T', "011727", "0000", "Aurora Sport", "01102"},
    {'R', "011727", "0000", "Radio Polarlys", "01190"},   {'T', "011766", "0001", "Fjordvision HD", "01201"},
    {'T', "011766", "0001", "Fjordvision Kids", "01202"}, {'T', "011766", "0001", "Fjordvision HD", "01201"},
    {'T', "011727", "0000", "Kanal Aurora HD", "01101"},  {'R', "011727", "0000", "Radio Polarlys", "01190"},
    {'T', "012034", "0000", "Nordlys Nyheter", "01301"},  {'R', "012034", "0000", "Radio Tundra", "01390"},
};

QByteArray Padded(const char* text, int width) {
    return QByteArray(text).leftJustified(width, ' ', true);
}

// SATCODX records of 127 characters: the name's first 8 characters at 43, the rest at 115.
QByteArray SatcodxList() {
    QByteArray list;
    for (const Record& r : kRescan) {
        const QByteArray name = Padded(r.name, 20);
        list += "SATCODX103" + Padded("Nordlys 1 (4.8E)", 18) + r.type + "MPG2" + r.frequency + r.polarisation +
                name.left(8) + "0099___     ______" + "27500" + "0" + "____________" + r.programNumber + "00070" +
                "00101" + "_____________" + name.mid(8, 12) + "\n";
    }
    return list;
}

} // namespace

// Without a size: "All" chosen, three TV channels deleted and the Edit menu open on "Undo Delete 3 channels"
// (screenshot.png); with one, the window has that size and the first TV channel is chosen (editor-WxH.png).
bool EditorScene(Camera& camera, const SceneInput& input) {
    Editor editor;
    if (!editor.Started())
        return false;
    CMainFrame& frame = editor.Frame();
    CMirevoView& view = editor.View();
    if (input.size.isValid())
        frame.resize(input.size);
    if (!editor.Open(input.file))
        return false;
    if (input.size.isValid()) {
        editor.Choose(view.TvPane(), 0);
        camera.Take(frame, QStringLiteral("editor-%1x%2.png").arg(input.size.width()).arg(input.size.height()));
        return true;
    }
    editor.Choose(view.SatelliteListPane(), 0);
    view.TvPane().SelectRows({0, 1, 2});
    view.HandleCommand(kCmdTvDelete);
    // The open menu is a window of its own, so it is drawn into the frame's picture where it stands.
    QAction* editMenu = frame.menuBar()->actions().at(1);
    frame.menuBar()->setActiveAction(editMenu);
    QApplication::processEvents();
    QPixmap picture = frame.grab();
    QPainter(&picture).drawPixmap(frame.mapFromGlobal(editMenu->menu()->pos()), editMenu->menu()->grab());
    camera.Save(picture, QStringLiteral("screenshot.png"));
    return true;
}

bool ListToolScene(Camera& camera, const SceneInput&) {
    QTemporaryDir scratch;
    const QString list = scratch.filePath(QStringLiteral("rescan.sdx"));
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly) || file.write(SatcodxList()) < 0)
        return false;
    file.close();
    Editor editor;
    if (!editor.Started() || !editor.Open(list))
        return false;
    camera.TakeOpened(QStringLiteral("find-duplicates.png"), [&] { editor.Frame().OnCommand(kCmdFindDuplicates); });
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        dialog.resize(760, 900);
        if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
            preview->updatePreview();
            preview->fitToWidth();
        }
        camera.Take(dialog, QStringLiteral("print-preview.png"));
        return int(QDialog::Rejected);
    });
    editor.Frame().OnCommand(kCmdPrint);
    return true;
}

} // namespace vorlane::screenshots
