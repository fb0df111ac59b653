// Unsaved work survives a crash: the next start offers what a killed child left; after a clean exit nothing is offered.

#include "platform/memory_settings_store.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"
#include "shell/recovery_file.h"
#include "shell/vorlane_application.h"

#include "../panes/scripted_prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <cstdio>

namespace vorlane {
namespace {

constexpr const char* kChildMode = "VORLANE_RECOVERY_CHILD";
constexpr const char* kRecoveredName = "Recovered";

// Only as RecoveryTest's child: edits, waits for the recovery file, says so, then is killed ("crash") or ends ("exit").
TEST(RecoveryChild, LeavesUnsavedWork) {
    const QByteArray mode = qgetenv(kChildMode);
    if (mode.isEmpty())
        GTEST_SKIP() << "started by RecoveryTest as a child process";
    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    ASSERT_TRUE(application.Start());
    application.Frame().Recovery().SetInterval(10);
    application.Database().Satellite(0).SetName(kRecoveredName);
    application.Frame().View().CommitEdit(QStringLiteral("Edit satellite"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(application.Frame().Recovery().Path()); }, 10000));
    std::puts("READY");
    std::fflush(stdout);
    while (mode == "crash")
        QTest::qWait(1000);
}

using RecoveryTest = ui::ScriptedPrompts;

TEST_F(RecoveryTest, NextStartOffersWhatACrashLeftAndNothingAfterACleanExit) {
    for (const bool crash : {true, false}) {
        SCOPED_TRACE(crash ? "crash" : "exit");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildMode), QString::fromLatin1(crash ? "crash" : "exit"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=RecoveryChild.*")});
        QByteArray output;
        while (!output.contains("READY") && child.waitForReadyRead(30000))
            output += child.readAllStandardOutput();
        ASSERT_TRUE(output.contains("READY")) << output.toStdString();
        if (crash)
            child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));

        if (crash)
            ui::UserPrompts::ScriptAnswer(QMessageBox::Yes);
        VorlaneApplication application(std::make_unique<MemorySettingsStore>());
        ASSERT_TRUE(application.Start());
        application.OpenAtStart(QString());
        const auto asked = ui::UserPrompts::TakeAsked();
        ASSERT_EQ(asked.size(), crash ? 1u : 0u);
        EXPECT_EQ(application.Database().Satellite(0).Name() == kRecoveredName, crash);
        EXPECT_EQ(application.Database().Modified(), crash);
        EXPECT_TRUE(!crash || asked[0].text.startsWith(QStringLiteral("Recover unsaved changes from ")));
    }
}

} // namespace
} // namespace vorlane
