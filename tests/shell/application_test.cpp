#include "shell/vorlane_application.h"

#include "importexport/database_files.h"
#include "platform/memory_settings_store.h"
#include "shell/main_frame.h"

#include "../panes/scripted_prompts.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

namespace vorlane {
namespace {

using ApplicationTest = ui::ScriptedPrompts;

TEST_F(ApplicationTest, StartShowsTheFrameTitledVorlaneWithTheApplicationFont) {
    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    EXPECT_EQ(application.font().family(), "Arial");
    ASSERT_EQ(application.Start(), 1);
    CMainFrame& frame = application.frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Vorlane");
    EXPECT_EQ(frame.menuBar()->font().pixelSize(), 14);
    EXPECT_TRUE(application.database().tablesAllocated());
    EXPECT_TRUE(frame.close());
}

TEST_F(ApplicationTest, OpensTheFileNamedOnTheCommandLine) {
    QTemporaryDir folder;
    const std::string path = QFile::encodeName(folder.filePath(QStringLiteral("start.bin"))).toStdString();
    ChannelDatabase written;
    ASSERT_EQ(StartLikeEditor(written), 1);
    written.satellite(3).setName("Named at start");
    ASSERT_EQ(SaveDatabaseFile(written, path), 1);

    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    ASSERT_EQ(application.Start(), 1);
    application.OpenAtStart(QFile::decodeName(QByteArray::fromStdString(path)));
    EXPECT_EQ(application.database().currentPath(), path);
    EXPECT_EQ(application.database().satellite(3).name(), "Named at start");
    EXPECT_TRUE(ui::UserPrompts::takeAsked().empty());
}

} // namespace
} // namespace vorlane
