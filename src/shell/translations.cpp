#include "shell/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
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

std::vector<std::filesystem::path> LanguageFileFolders() {
    std::vector<std::filesystem::path> folders{std::filesystem::path(".")};
    for (const QString& folder :
         {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QCoreApplication::applicationDirPath()})
        if (!folder.isEmpty())
            folders.emplace_back(QFile::encodeName(folder).toStdString());
    return folders;
}

} // namespace vorlane::ui
