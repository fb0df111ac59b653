// Unsaved work survives a crash: a child process edits, lets the recovery file be written and is killed; the next
// start offers the work and takes it up. After a clean exit nothing is offered.

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

// Runs only as the child of RecoveryTest: edits, waits for the recovery file, says so, then waits to be killed
// ("crash") or ends normally ("exit").
TEST(RecoveryChild, LeavesUnsavedWork) {
    const QByteArray mode = qgetenv(kChildMode);
    if (mode.isEmpty())
        GTEST_SKIP() << "started by RecoveryTest as a child process";
    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    ASSERT_EQ(application.Start(), 1);
    application.Frame().Recovery().SetInterval(10);
    application.Database().Satellite(0).SetName(kRecoveredName);
    application.Frame().View().CommitEdit(QStringLiteral("Edit satellite"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(application.Frame().Recovery().Path()); }, 10000));
    std::puts("READY");
    std::fflush(stdout);
    while (mode == "crash")
        QTest::qWait(1000);
}

struct Ending {
    const char* mode;
    bool offered;
};

class RecoveryTest : public ui::ScriptedPrompts, public ::testing::WithParamInterface<Ending> {};

TEST_P(RecoveryTest, NextStartOffersWhatACrashLeftAndNothingAfterACleanExit) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildMode), QString::fromLatin1(GetParam().mode));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=RecoveryChild.*")});
    QByteArray output;
    while (!output.contains("READY") && child.waitForReadyRead(30000))
        output += child.readAllStandardOutput();
    ASSERT_TRUE(output.contains("READY")) << output.toStdString();
    if (GetParam().offered)
        child.kill();
    ASSERT_TRUE(child.waitForFinished(30000));

    if (GetParam().offered)
        ui::UserPrompts::ScriptAnswer(QMessageBox::Yes);
    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    ASSERT_EQ(application.Start(), 1);
    application.OpenAtStart(QString());
    const auto asked = ui::UserPrompts::TakeAsked();
    ASSERT_EQ(asked.size(), GetParam().offered ? 1u : 0u);
    EXPECT_EQ(application.Database().Satellite(0).Name() == kRecoveredName, GetParam().offered);
    EXPECT_EQ(application.Database().Modified(), GetParam().offered);
    if (GetParam().offered) {
        EXPECT_TRUE(asked[0].text.startsWith(QStringLiteral("Recover unsaved changes from ")))
            << asked[0].text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Endings, RecoveryTest, ::testing::Values(Ending{"crash", true}, Ending{"exit", false}));

} // namespace
} // namespace vorlane
