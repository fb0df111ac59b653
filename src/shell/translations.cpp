#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The .qm files are compiled into this static library, so their resource is registered by name before use.
static void RegisterTranslationFiles() {
    Q_INIT_RESOURCE(translations);
}

namespace vorlane::ui {
namespace {

void Install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations() {
    RegisterTranslationFiles();
    Install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(QStringLiteral("vorlane"), QStringLiteral(":/i18n"));
}

LanguageTexts::DefaultTranslation LoaderTextTranslation() {
    return [](const char* english) {
        return QCoreApplication::translate("LanguageTexts", english).toLatin1().toStdString();
    };
}

} // namespace vorlane::ui
