// vorlane: the channel editor and loader with its windows.
#include "platform/qt/qsettings_store.h"
#include "shell/translations.h"
#include "shell/vorlane_application.h"
#include "vorlane/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

namespace {

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QCoreApplication::translate("Main", "Channel editor and loader for the receiver's channel files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("Main", "A channel file to open at start."),
                                 QStringLiteral("[FILE]"));
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(vorlane::kVersion));
    // --help and --version answer from a plain core application, so they work without a display. The window
    // system's own options (-platform, ...) are left for QApplication.
    QCommandLineParser early;
    DescribeOptions(early);
    early.parse(ArgumentsOf(argc, argv));
    if (early.isSet(QStringLiteral("help")) || early.isSet(QStringLiteral("help-all")) ||
        early.isSet(QStringLiteral("version"))) {
        QCoreApplication core(argc, argv);
        vorlane::ui::InstallTranslations();
        QCommandLineParser answer;
        DescribeOptions(answer);
        answer.process(core);
        return 0;
    }

    QApplication qtApplication(argc, argv);
    vorlane::ui::InstallTranslations();
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(qtApplication);
    const QStringList files = parser.positionalArguments();

    vorlane::VorlaneApplication application(std::make_unique<vorlane::QSettingsStore>());
    if (!application.Start())
        return 1;
    // An absolute path, as the file dialog gives: Recent Files and the recovery file must name the same file
    // from any working folder.
    application.OpenAtStart(files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath());
    return qtApplication.exec();
}
