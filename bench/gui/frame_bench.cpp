// Opening a full channel file (5000 channels on both tuners) through the main frame's Open command, up to a
// painted window, on the offscreen platform. Target: under 150 ms.

#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/main_frame.h"
#include "support/sample_database.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using vorlane::ui::UserPrompts;

void BM_OpenFullChannelFileToPaintedWindow(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.bin"));
    {
        vorlane::ChannelDatabase full;
        if (!vorlane::testing::MakeSampleDatabase(full, vorlane::testing::FullSampleOptions()) ||
            !vorlane::SaveDatabaseFile(full, QFile::encodeName(path).toStdString())) {
            state.SkipWithError("cannot write the full channel file");
            return;
        }
    }
    vorlane::ChannelDatabase database;
    vorlane::MemorySettingsStore store;
    vorlane::CMainFrame frame(database, store, QFont());
    frame.show();
    QApplication::processEvents();
    UserPrompts::StartRecording();
    for (auto _ : state) {
        UserPrompts::ScriptAnswer(path);
        frame.OnCommand(vorlane::kCmdOpen);
        frame.repaint();
    }
    if (static_cast<benchmark::IterationCount>(UserPrompts::TakeAsked().size()) != state.iterations() ||
        database.CurrentPath().empty())
        state.SkipWithError("the file was not opened as asked");
    UserPrompts::Reset();
}
BENCHMARK(BM_OpenFullChannelFileToPaintedWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
