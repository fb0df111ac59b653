// vorlane: the channel editor and loader with its windows.
#include "platform/qt/qsettings_store.h"
#include "shell/translations.h"
#include "shell/vorlane_application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    vorlane::ui::InstallTranslations();
    vorlane::VorlaneApplication application(std::make_unique<vorlane::QSettingsStore>());
    if (!application.Start())
        return 1;
    return qtApplication.exec();
}
