// Writes pictures of the list tools into a folder: the Find Duplicates dialog over a small SATCODX list with
// duplicates, and the print preview of that list:
//   list_tool_screenshots <folder>   (run with QT_QPA_PLATFORM=offscreen or under a virtual display)
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/main_frame.h"
#include "shell/vorlane_application.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using vorlane::ui::UserPrompts;

struct Record {
    char type;
    const char* frequency;
    const char* polarisation;
    const char* name;
    const char* programNumber;
};

// A list after a second scan: channels found twice, one under a new name.
constexpr Record kRecords[] = {
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
    for (const Record& r : kRecords) {
        const QByteArray name = Padded(r.name, 20);
        list += "SATCODX103" + Padded("Nordlys 1 (4.8E)", 18) + r.type + "MPG2" + r.frequency + r.polarisation +
                name.left(8) + "0099___     ______" + "27500" + "0" + "____________" + r.programNumber + "00070" +
                "00101" + "_____________" + name.mid(8, 12) + "\n";
    }
    return list;
}

bool Grab(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    const QString list = scratch.filePath(QStringLiteral("rescan.sdx"));
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly) || file.write(SatcodxList()) < 0)
        return 1;
    file.close();

    vorlane::VorlaneApplication application(std::make_unique<vorlane::MemorySettingsStore>());
    if (!application.Start())
        return 1;
    vorlane::CMainFrame& frame = application.frame();
    UserPrompts::startRecording();
    UserPrompts::scriptAnswer(list);
    frame.OnCommand(vorlane::kCmdOpen);

    bool saved = true;
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        saved = Grab(dialog, folder, "find-duplicates.png") && saved;
        return int(QDialog::Rejected);
    });
    frame.OnCommand(vorlane::kCmdFindDuplicates);

    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        dialog.resize(760, 900);
        if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
            preview->updatePreview();
            preview->fitToWidth();
        }
        saved = Grab(dialog, folder, "print-preview.png") && saved;
        return int(QDialog::Rejected);
    });
    frame.OnCommand(vorlane::kCmdPrint);
    return saved ? 0 : 1;
}
