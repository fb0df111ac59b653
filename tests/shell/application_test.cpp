#include "shell/vorlane_application.h"

#include "platform/memory_settings_store.h"
#include "shell/main_frame.h"

#include "../panes/scripted_prompts.h"

#include <QMenuBar>

namespace vorlane {
namespace {

using ApplicationTest = ui::ScriptedPrompts;

TEST_F(ApplicationTest, StartShowsTheFrameTitledVorlaneWithTheApplicationFont) {
    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    EXPECT_EQ(application.font().family(), "Arial");
    EXPECT_EQ(application.font().pixelSize(), 14);
    EXPECT_TRUE(application.font().bold());

    ASSERT_EQ(application.Start(), 1);
    CMainFrame& frame = application.frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Vorlane");
    EXPECT_GE(frame.width(), 800);
    EXPECT_GE(frame.height(), 600);
    EXPECT_EQ(frame.menuBar()->font().pixelSize(), 14);
    EXPECT_TRUE(application.database().tablesAllocated());
    EXPECT_TRUE(frame.close());
}

} // namespace
} // namespace vorlane
