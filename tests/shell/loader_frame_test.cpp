// The loader through the main window against the simulated receiver on $VORLANE_SERIAL_DIR/COM3: COM Setting and the
// Connect Status commands by number as the Tools menu and the toolbar send them, their enabled states, and an upload
// of the channel file the editor saved with Save as, with the delays the program really uses.

#include "../panes/scripted_prompts.h"
#include "database/channel_database.h"
#include "loader_test_util.h"
#include "platform/memory_settings_store.h"
#include "shell/frame_commands.h"
#include "shell/loader_controls.h"
#include "shell/loader_link.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"
#include "sim/simulated_receiver.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QToolBar>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vorlane;
using namespace vorlane::ui;
using namespace std::chrono_literals;

namespace {

class LoaderFrameTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlane-loader-frame-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        folder = pattern;
        std::filesystem::create_directory(folder / "ports");
        ::setenv("VORLANE_SERIAL_DIR", (folder / "ports").c_str(), 1);
        SimulatorConfig config;
        config.linkPath = (folder / "ports" / "COM3").string();
        receiver = std::make_unique<SimulatedReceiver>(std::move(config));
        ASSERT_EQ(1, receiver->start());
        frame = std::make_unique<CMainFrame>(*database, store, QFont());
        frame->show();
    }
    void TearDown() override {
        frame.reset();
        receiver->stop();
        ::unsetenv("VORLANE_SERIAL_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ScriptedPrompts::TearDown();
    }

    bool Enabled(int command) const { return frame->commandAction(command)->isEnabled(); }
    QString StatusLine() { return frame->view().loaderControls().statusLine(); }

    std::filesystem::path folder;
    std::unique_ptr<SimulatedReceiver> receiver;
    std::unique_ptr<ChannelDatabase> database = std::make_unique<ChannelDatabase>();
    MemorySettingsStore store;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(LoaderFrameTest, ConnectStatusCommandsFollowThePortAndUploadTheSavedChannelFile) {
    EXPECT_EQ(QStringLiteral("   Disconnected"), StatusLine());
    EXPECT_FALSE(Enabled(kCmdUploadToStb));
    EXPECT_FALSE(Enabled(kCmdDisconnect));
    EXPECT_TRUE(Enabled(kCmdConnect));

    UserPrompts::scriptAnswer([](QDialog& dialog) {
        Find<QComboBox>(dialog, "portList").setCurrentIndex(2);
        Find<QPushButton>(dialog, "setButton").click();
        return dialog.result();
    });
    ASSERT_TRUE(frame->OnCommand(kCmdComSetting));
    EXPECT_EQ(2u, frame->view().loaderControls().chosenPort()) << "the form's list shows the port chosen";

    ASSERT_TRUE(frame->OnCommand(kCmdConnect));
    EXPECT_EQ(QStringLiteral("   Connected"), StatusLine());
    EXPECT_FALSE(Enabled(kCmdConnect)) << "Connect greyed while the port is open";
    EXPECT_TRUE(Enabled(kCmdDisconnect));
    EXPECT_TRUE(Enabled(kCmdUploadToStb));
    EXPECT_TRUE(Enabled(kCmdDownloadToPc));
    EXPECT_TRUE(Enabled(kCmdAutoConnect));
    EXPECT_TRUE(frame->toolBar().actions().contains(frame->commandAction(kCmdConnect)));
    EXPECT_FALSE(frame->OnCommand(kCmdConnect)) << "a greyed command does nothing";

    const std::string path = (folder / "edited.bin").string();
    UserPrompts::scriptAnswer(QString::fromStdString(path));
    UserPrompts::scriptAnswer(QMessageBox::Ok); // "Complete to write file."
    ASSERT_EQ(1, frame->fileCommands().SaveAs());
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> saved{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(0xD0000u, saved.size());

    std::string finalText;
    UserPrompts::scriptAnswer(QString::fromStdString(path));
    ScriptUploadSafety(false, false);
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        receiver->triggerRestart();
        return dialog.exec();
    });
    UserPrompts::scriptAnswer([&](QDialog& dialog) {
        finalText = MessageText(dialog);
        return MessageDialog::kOk;
    });
    ASSERT_TRUE(frame->OnCommand(kCmdUploadToStb));
    ASSERT_TRUE(
        RunEventsUntil([&] { return frame->view().loader().commands().Outcome() != TransferOutcome::None; }, 60s));
    EXPECT_EQ("Completed", finalText);
    ASSERT_TRUE(receiver->waitForBlocks(1, 5s));
    EXPECT_TRUE(receiver->receivedBlocks().at(0).bytes == saved) << "the receiver holds the saved file";

    ASSERT_TRUE(frame->OnCommand(kCmdDisconnect));
    EXPECT_EQ(QStringLiteral("   Disconnected"), StatusLine());
    EXPECT_TRUE(Enabled(kCmdConnect));
    EXPECT_FALSE(Enabled(kCmdUploadToStb));
    EXPECT_FALSE(frame->OnCommand(kCmdDownloadToPc));
}

} // namespace
