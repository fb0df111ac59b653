#include "../blockfile/block_file_builder.h"
#include "commands_fixture.h"
#include "loader/transfer_commands_file_choice.h"
#include "loader/transfer_requests.h"

#include <optional>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr const char* kFileNameValue = "BinFileName";

struct WholeFileCase {
    const char* name;
    int transferClass;
    std::uint8_t requestByte;
};

class CommandsUploadTest : public CommandsSimTest {};
class CommandsWholeFileTest : public CommandsSimTest, public ::testing::WithParamInterface<WholeFileCase> {};
class CommandsDownloadTest : public CommandsSimTest {};

} // namespace

// The commands' captions below show truncated shares; these are the edges they do not reach.
TEST(ProgressCaptionTest, PercentTruncatesTowardZeroAndAnEmptyRangeCountsAsDone) {
    EXPECT_EQ(41, ProgressPercent(5, 0, 12));
    EXPECT_EQ(100, ProgressPercent(0, 0, 0));
    // Ranges past 16 bits keep their scale; a cut bound would show far more than 100 %.
    EXPECT_EQ(99, ProgressPercent(99999, 0, 100000));
    EXPECT_EQ(100, ProgressPercent(2'000'000'000, 0, 2'000'000'000));
}

// The dialog opens at the remembered folder and file: the commands' runs below check that, this the folder's edges.
TEST(TransferFileChoiceTest, TheFolderOfAPathKeepsItsLastSlash) {
    EXPECT_EQ("/a/b/", FolderOfPath("/a/b/c.bin"));
    EXPECT_EQ("/", FolderOfPath("/c.bin"));
    EXPECT_EQ("", FolderOfPath("c.bin"));
}

TEST_P(CommandsWholeFileTest, AWholeFileIsRequestedWithItsClassAndCompletes) {
    const WholeFileCase& param = GetParam();
    const Bytes contents = Pattern(2500, 0x61);
    WriteFile(param.name, contents);
    Connect();
    m_ui.chosenFile = PathIn(param.name);

    TraceCapture trace;
    ASSERT_EQ(1, m_commands.OnBtnUploadStb());
    EXPECT_FALSE(m_transfer.ForceMode());
    EXPECT_EQ((std::vector<std::string>{"cursor not-allowed", "note Now trying connect to STB. Please wait.", "repaint",
                                        "cursor arrow"}),
              m_ui.events);
    EXPECT_EQ(std::vector<ConnectionControls>{RunningControls()}, m_ui.controls);
    EXPECT_TRUE(trace.Contains("OnBtnUploadStb\n--------> RequestSendFile : " + std::to_string(param.transferClass)));
    ASSERT_TRUE(RunUntilFinished());

    EXPECT_EQ(TransferOutcome::Completed, m_commands.Outcome());
    // The line itself is pinned by the transfer tests; the request names the file's class.
    const Bytes sent = m_simulator->ReceivedBytes();
    EXPECT_EQ(UploadRequest(param.requestByte), Bytes(sent.begin() + 25, sent.begin() + 29));
    EXPECT_TRUE(m_ui.Bar("33%  (1/1)"));
    EXPECT_EQ("100%  (1/1)", m_ui.bars.back().caption);
    EXPECT_EQ("message1 Completed", m_ui.events.back());
    EXPECT_EQ((std::vector<std::string>{"   Uploading", "   Completed"}), m_ui.statusLines);
    EXPECT_EQ(2, m_ui.noteHides); // by the middle packet and by the completion
    EXPECT_EQ(ConnectionControlsFor(true), m_ui.controls.back());
    // Nothing was remembered before: the dialog opened at the working folder. Now the choice is remembered.
    EXPECT_EQ((std::vector<std::string>{std::filesystem::current_path().string(), ""}),
              (std::vector<std::string>{m_ui.requests.at(0).initialFolder, m_ui.requests[0].initialFileName}));
    EXPECT_EQ(FileDialogKind::Open, m_ui.requests[0].kind);
    EXPECT_EQ(PathIn(""), Remembered("BinPath"));
    EXPECT_EQ(PathIn(param.name), Remembered(kFileNameValue));
}

INSTANTIATE_TEST_SUITE_P(Classes, CommandsWholeFileTest,
                         ::testing::Values(WholeFileCase{"update.key", 4, 0x24}, WholeFileCase{"UPDATE.Key", 4, 0x24},
                                           WholeFileCase{"x.s1", 3, 0x23}));

TEST_F(CommandsUploadTest, AFileOfNoKnownKindEmptyOrUnreadableIsNotAcceptableAndNothingIsSent) {
    const std::string refused = "message1 The selected file is not acceptable.";
    struct Refused {
        const char* name;
        std::optional<Bytes> contents;      // none: the file does not exist, which is said first
        std::optional<bool> forceModeAfter; // none: left as it was
    };
    // Reading the file sets force mode for its kind; an unreadable file leaves it alone.
    const Refused cases[] = {{"x.S1", Pattern(100, 0x62), true},
                             {"update.key", Bytes{}, false},
                             {"x.s1", Bytes{}, false},
                             {"missing.key", std::nullopt, std::nullopt}};
    Connect();
    for (const Refused& c : cases) {
        if (c.contents)
            WriteFile(c.name, *c.contents);
        for (const bool forceBefore : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (forceBefore ? " forced" : ""));
            m_transfer.SetForceMode(forceBefore);
            m_ui.events.clear();
            m_ui.chosenFile = PathIn(c.name);
            EXPECT_EQ(0, m_commands.OnBtnUploadStb());
            const std::vector<std::string> events = {"box Can't open the file.", refused};
            EXPECT_EQ(c.contents ? std::vector{refused} : events, m_ui.events);
            EXPECT_EQ(c.forceModeAfter.value_or(forceBefore), m_transfer.ForceMode());
            EXPECT_EQ(0u, m_transfer.SrcData().Count());
            EXPECT_EQ("", m_transfer.FilePath());
            EXPECT_TRUE(m_ui.controls.empty());
            EXPECT_EQ(PathIn(c.name), Remembered(kFileNameValue)); // the choice itself is remembered
        }
    }
    RunFor(100ms);
    EXPECT_TRUE(m_simulator->ReceivedBytes().empty());
}

TEST_F(CommandsUploadTest, ABlockFileOrTheForceModeBoxGoesThroughTheMonitorWithTheBlockInTheCaption) {
    Bytes file;
    vorlane::testing::AppendBlock(file, 0xB1, Pattern(1500, 0x63));
    vorlane::testing::AppendBlock(file, 0xB2, Pattern(2200, 0x64));
    vorlane::testing::AppendBlock(file, 0xB3, Pattern(40, 0x65));
    WriteFile("software.bin", file);
    ReceiverBehaviour behaviour;
    behaviour.restartAfterBreakIn = 30ms;
    Connect(behaviour);
    m_ui.chosenFile = PathIn("software.bin");
    TraceCapture trace;
    ASSERT_EQ(1, m_commands.OnBtnUploadStb());
    EXPECT_TRUE(m_transfer.ForceMode());
    EXPECT_EQ((std::vector<std::string>{"cursor not-allowed", "wait Reset your STB(s).", "cursor arrow"}), m_ui.events);
    EXPECT_EQ((std::vector<std::string>{"   Try to connect with the monitor", "   Connected with the monitor",
                                        "   Connected"}),
              m_ui.statusLines);
    EXPECT_EQ("   Connected", m_connection.StatusText());
    // One transfer at a time: neither command runs while the upload does, before its first block or midway.
    const auto secondCommandsRefused = [&] {
        const std::size_t dialogs = m_ui.requests.size();
        EXPECT_EQ(0, m_commands.OnBtnUploadStb());
        EXPECT_EQ(0, m_commands.OnBtnDownloadPc());
        EXPECT_EQ(dialogs, m_ui.requests.size());
        EXPECT_EQ(0, m_ui.downloadChoices);
    };
    secondCommandsRefused();
    ASSERT_TRUE(m_events.RunUntil([&] { return m_simulator->ReceivedBlocks().size() == 1; }, 20s));
    secondCommandsRefused();
    ASSERT_TRUE(RunUntilFinished());
    EXPECT_FALSE(m_transfer.IsTransferRunning());

    EXPECT_EQ(TransferOutcome::Completed, m_commands.Outcome());
    ASSERT_TRUE(m_simulator->WaitForBlocks(3, 1s));
    EXPECT_EQ(Bytes(file.begin() + 128 + 1500, file.begin() + 2 * 128 + 1500 + 2200),
              m_simulator->ReceivedBlocks()[1].bytes);
    // The second block: 2328 bytes in three packets.
    for (const char* caption : {"Now erasing the flash. Please wait.  (2/3)", "0%  (2/3)", "66%  (2/3)", "100%  (2/3)",
                                "Now erasing the flash. Please wait.  (3/3)"})
        ASSERT_TRUE(m_ui.Bar(caption)) << caption;
    // A block begins with an empty solid bar; erasing fills it (colours as 0x00BBGGRR).
    EXPECT_EQ((ProgressBarState{0, 2, 1, 0xFF0000, 0x000000, true, 0, ""}), m_ui.bars.at(0));
    EXPECT_EQ((ProgressBarState{0, 3, 1, 0xFF0000, 0x000000, false, 2, "66%  (2/3)"}), *m_ui.Bar("66%  (2/3)"));
    const std::string erasing = "Now erasing the flash. Please wait.  (2/3)";
    EXPECT_EQ((ProgressBarState{0, 3, 1, 0xFF0000, 0x00FF00, true, 3, erasing}), *m_ui.Bar(erasing));
    EXPECT_TRUE(trace.Contains("=====>\n"));
    EXPECT_EQ("message1 Completed", m_ui.events.back());

    WriteFile("update.key", Pattern(300, 0x66));
    m_ui.chosenFile = PathIn("update.key");
    m_ui.forceModeBox = true;
    ASSERT_EQ(1, m_commands.OnBtnUploadStb());
    EXPECT_EQ(TransferOutcome::None, m_commands.Outcome()); // the last upload's outcome is cleared
    EXPECT_TRUE(trace.Contains("Emergency mode\n"));
    ASSERT_TRUE(RunUntilFinished());
    ASSERT_TRUE(m_simulator->WaitForBlocks(4, 1s));
    EXPECT_EQ(kMonitorUpload, m_simulator->ReceivedBlocks()[3].transferClass);
    EXPECT_EQ(Pattern(300, 0x66), m_simulator->ReceivedBlocks()[3].bytes);
}

TEST_F(CommandsDownloadTest, TheChoiceAndTheFileStartTheDownloadAndTheUploadListIsEmptied) {
    const Bytes software = Pattern(3000, 0x68);
    ReceiverBehaviour behaviour;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = software;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::Channel)] = Pattern(2000, 0x69);
    Connect(behaviour);
    ASSERT_TRUE(m_transfer.SrcData().Append(BlockEntry(Pattern(10, 1), TransferClass::P2)));
    m_ui.chosenFile = PathIn("main.bin");

    TraceCapture trace;
    ASSERT_EQ(1, m_commands.OnBtnDownloadPc());
    EXPECT_EQ(0u, m_transfer.SrcData().Count());
    EXPECT_EQ(FileDialogKind::SaveAs, m_ui.requests.at(0).kind);
    EXPECT_TRUE(trace.Contains("m_nReceiveFileType =0\n"));
    EXPECT_TRUE(trace.Contains("OnBtnDownloadPc\n"));
    EXPECT_EQ((std::vector<std::string>{"cursor wait", "note Now trying connect to STB. Please wait.", "repaint",
                                        "cursor arrow"}),
              m_ui.events);
    EXPECT_EQ(std::vector<ConnectionControls>{RunningControls()}, m_ui.controls);
    ASSERT_TRUE(RunUntilFinished());

    EXPECT_EQ(TransferOutcome::Completed, m_commands.Outcome());
    EXPECT_EQ(software, ReadFile("main.bin"));
    EXPECT_EQ("   Downloading", m_ui.statusLines.at(0));
    EXPECT_EQ("100%", m_ui.bars.back().caption);
    EXPECT_EQ(PathIn("main.bin"), Remembered(kFileNameValue));

    // A download the receiver starts without a path asks for the file; a cancel ends it with its own text.
    m_transfer.SetReceiveFileType(kReceiveChannel);
    for (const char* chosen : {"", "channel.bin"}) {
        SCOPED_TRACE(chosen);
        m_ui.requests.clear();
        m_ui.events.clear();
        m_ui.chosenFile = *chosen ? PathIn(chosen) : "";
        const auto before = std::pair(m_ui.statusLines, m_ui.noteHides);
        m_transfer.RequestDownload(kReceiveChannel);
        ASSERT_TRUE(RunUntil([&] { return m_ui.events.size() == 2; }));
        // An error leaves the status line and the note alone.
        EXPECT_TRUE(*chosen || before == std::pair(m_ui.statusLines, m_ui.noteHides));
        const std::string message = *chosen ? "Completed" : "The file is not selected.";
        EXPECT_EQ((std::vector<std::string>{"front", "message1 " + message}), m_ui.events);
        ASSERT_EQ(1u, m_ui.requests.size());
        EXPECT_EQ(FileDialogKind::SaveAs, m_ui.requests[0].kind);
        EXPECT_EQ(PathIn(""), m_ui.requests[0].initialFolder); // the remembered choice
        EXPECT_EQ(PathIn("main.bin"), m_ui.requests[0].initialFileName);
    }
    const Bytes stored = ReadFile("channel.bin");
    ASSERT_EQ(2000u, stored.size());
    EXPECT_EQ(0xB2, stored[0x41]); // the rebuilt header
    const Bytes channel = Pattern(2000, 0x69);
    EXPECT_TRUE(std::equal(channel.begin() + 128, channel.end(), stored.begin() + 128));
}

// Without an open port neither command asks anything; a cancelled choice clears the path and sends nothing.
TEST_F(CommandsDownloadTest, NothingStartsWithoutAPortAChoiceOrTheMonitor) {
    m_ui.chosenFile = PathIn("update.key");
    EXPECT_EQ(0, m_commands.OnBtnUploadStb());
    EXPECT_EQ(0, m_commands.OnBtnDownloadPc());
    EXPECT_TRUE(m_ui.requests.empty());
    EXPECT_EQ(0, m_ui.downloadChoices);
    EXPECT_TRUE(m_ui.events.empty());

    Connect();
    m_ui.chosenFile.clear();
    m_transfer.SetFilePath(PathIn("earlier.bin"));
    EXPECT_EQ(0, m_commands.OnBtnUploadStb());
    EXPECT_EQ(1u, m_ui.requests.size());
    EXPECT_EQ("", m_transfer.FilePath());
    EXPECT_TRUE(m_ui.events.empty());
    EXPECT_EQ("<none>", Remembered(kFileNameValue));

    m_ui.requests.clear();
    m_ui.downloadChoice.reset();
    EXPECT_EQ(0, m_commands.OnBtnDownloadPc());
    EXPECT_TRUE(m_ui.requests.empty());

    m_ui.downloadChoice = kReceiveChannel;
    EXPECT_EQ(0, m_commands.OnBtnDownloadPc()); // no file chosen
    EXPECT_EQ(1u, m_ui.requests.size());
    EXPECT_EQ(kReceiveChannel, m_transfer.ReceiveFileType());
    RunFor(100ms);
    EXPECT_TRUE(m_simulator->ReceivedBytes().empty());
    EXPECT_TRUE(m_ui.controls.empty());

    // A request that could not be sent leaves the loader free.
    EXPECT_EQ(0, m_commands.StartDownload(kReceivePreSetting + 1, PathIn("none.bin")));
    EXPECT_FALSE(m_transfer.IsTransferRunning());
    EXPECT_EQ(ConnectionControlsFor(true), m_ui.controls.back());
    EXPECT_EQ(1, m_commands.StartDownload(kReceiveMainSoftware, PathIn("main.bin")));
    EXPECT_TRUE(m_transfer.IsTransferRunning());
}

TEST_F(CommandsDownloadTest, ALostDeviceShowsDisconnectedAndTheClosedPortsButtons) {
    SimulatorFaults faults;
    faults.closeAfterPacket = 1;
    ConnectWithDownload(DownloadKind::MainSoftware, Pattern(4000, 0x6A), faults);
    m_ui.chosenFile = PathIn("main.bin");
    ASSERT_EQ(1, m_commands.OnBtnDownloadPc());
    ASSERT_TRUE(RunUntilFinished());

    EXPECT_EQ(TransferOutcome::Failed, m_commands.Outcome());
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_EQ("   Disconnected", m_connection.StatusText());
    EXPECT_NE(m_ui.statusLines.end(), std::find(m_ui.statusLines.begin(), m_ui.statusLines.end(), "   Disconnected"));
    // The port is closed: the end leaves the closed port's buttons.
    EXPECT_EQ(ConnectionControlsFor(false), m_ui.controls.back());
    EXPECT_EQ("message1 Error occurred... Please check the displayed message of the STB", m_ui.events.back());
    EXPECT_TRUE(FolderFiles().empty()); // neither the file nor its temporary one
}
