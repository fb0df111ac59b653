// Writes a picture of each STB Configuration page, as the dialog opens over the start-up record, into a folder:
//   stb_configuration_screenshots <folder>   (run with QT_QPA_PLATFORM=offscreen or under a virtual display)
#include "settings/receiver_settings.h"
#include "settings/settings_defaults.h"
#include "settings/ui/stb_configuration_dialog.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <array>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    std::array<std::uint8_t, vorlane::ReceiverSettings::kSize> record{};
    vorlane::ReceiverSettings settings(record);
    vorlane::FillDefaults(settings);
    vorlane::ApplyStartupSettings(settings);
    settings.set_base_latitude(-515);

    vorlane::ui::StbConfigurationDialog dialog(settings);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>("stbTabs");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        const QString name = QStringLiteral("stb-configuration-%1-%2.png")
                                 .arg(page + 1)
                                 .arg(tabs->widget(page)->objectName().chopped(4).toLower());
        if (!dialog.grab().save(folder.filePath(name))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
