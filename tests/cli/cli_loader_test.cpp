#include "cli_loader_fixture.h"
#include "sim/stored_channel_list.h"
#include "support/channel_file_sample.h"

#include <algorithm>
#include <csignal>
#include <thread>

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST_F(CliLoaderTest, APortThatCannotBeOpenedOrAFileOfNoKnownKindFailsBeforeAnythingIsSent) {
    WriteFile("update.key", Pattern(10, 1));
    CliRun result = Run({"upload", "--device", PathIn("COM9"), "update.key"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_THAT(result.err, HasSubstr("vorlane-cli upload: can't use the port " + PathIn("COM9")));

    WriteFile("x.S1", Pattern(100, 0x42));
    StartSimulator();
    result = Run({"upload", "--device", Link(), "x.S1"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("The selected file is not acceptable.\n", result.out);
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(m_simulator->ReceivedBytes().empty());
}

TEST_F(CliLoaderTest, AForcedUploadGivesUpAfterTheWaitAndLeavesTheMonitorCleanly) {
    WriteBlockFile("software.bin", 100);
    StartSimulator(); // never restarted: no prompt
    const CliRun result = Run({"upload", "--device", Link(), "--wait", "1", "software.bin"});

    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("Reset your STB(s).\n", result.out);
    EXPECT_THAT(result.err, HasSubstr("the boot monitor did not answer"));
    // The last bytes may still be on their way to the simulator when the program has ended.
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (ToText(m_simulator->ReceivedBytes()).find("q\r") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    const Bytes sent = m_simulator->ReceivedBytes();
    const auto patternEnd = std::find_if(sent.begin(), sent.end(), [](std::uint8_t byte) { return byte != 'x'; });
    EXPECT_GT(patternEnd - sent.begin(), 0);
    const std::string ending(patternEnd, sent.end());
    EXPECT_EQ(std::string(10, '\r') + "q\r", ending);
}

TEST_F(CliLoaderTest, CtrlCDuringTheWaitClosesThePortAndFails) {
    WriteBlockFile("software.bin", 100);
    StartSimulator();
    const pid_t pid = Spawn({"upload", "--device", Link(), "software.bin"});
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (m_simulator->ReceivedBytes().size() < 40 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(0, ::kill(pid, SIGINT));
    const CliRun result = Finish(pid);

    EXPECT_EQ(1, result.exitCode);
    EXPECT_THAT(result.err, HasSubstr("vorlane-cli upload: interrupted\n"));
    const std::size_t sentAtExit = m_simulator->ReceivedBytes().size();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(sentAtExit, m_simulator->ReceivedBytes().size());
}

namespace {

struct SafetyCase {
    const char* name;
    std::vector<std::string> options; // before the file; "DIR" stands for the backup folder
    SimulatorFaults faults;
    std::chrono::milliseconds answerPause;
    bool uploadsBackup; // the file uploaded is the receiver's own backup (a restore)
    int exitCode;
    bool received;            // the receiver got the file (with the flipped byte of a faulty flash)
    std::size_t backups;      // files in the backup folder afterwards
    const char* finalMessage; // the end of standard output
};

// A byte inside the channel table sectors of a sample channel file.
constexpr std::size_t kChannelSectorByte = 0x30000 + 0x200;

class CliSafetyTest : public CliLoaderTest, public ::testing::WithParamInterface<SafetyCase> {};

// clang-format off
const SafetyCase kSafetyCases[] = {
    {"BackupUploadVerify", {"--backup", "DIR", "--verify"}, {}, 1000ms, false, 0, true, 1,
     "Reset your STB(s).\nCompleted and verified\n"},
    {"CorruptedStoreFailsVerify", {"--verify"}, {.corruptStoredByte = kChannelSectorByte}, 0ms, false, 1, true, 0,
     "Verify failed: 1 byte differs (channels: 1) between the uploaded file and the receiver's channel list.\n"},
    {"FailedBackupUploadsNothing", {"--backup", "DIR"}, {.closeAfterPacket = 2, .corruptStoredByte = {}}, 0ms, false, 1, false, 0,
     "The receiver's channel list could not be backed up (Error occurred... Please check the displayed message of "
     "the STB); nothing was uploaded.\n"},
    // Silence after the upload is cut short by the idle time-out, and the report still says the upload finished.
    {"UnansweredReadBack", {"--verify", "--idle-timeout", "1"}, {}, 4000ms, false, 1, true, 0,
     "The upload completed, but the channel list could not be read back to verify it (the receiver did not answer "
     "for 1 s).\n"},
    {"RestoreUploadsTheBackup", {"--verify"}, {}, 0ms, true, 0, true, 1, "Reset your STB(s).\nCompleted and verified\n"},
};
// clang-format on

TEST_P(CliSafetyTest, ChannelUploadWithBackupAndVerify) {
    const SafetyCase& test = GetParam();
    const std::string backupFolder = PathIn("backups");
    fs::create_directories(backupFolder);
    const Bytes onReceiver = SampleChannelFile(0x21, 30);
    const Bytes upload = test.uploadsBackup ? onReceiver : SampleChannelFile(0x52, 45);
    const std::string uploadName = test.uploadsBackup ? "backups/channels-20260101-120000.bin" : "new.bin";
    WriteFile(uploadName, upload);

    ReceiverBehaviour behaviour;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::Channel)] = ChannelListAsSent(onReceiver);
    behaviour.restartAfterBreakIn = 50ms;
    behaviour.answerPauseAfterStore = test.answerPause;
    behaviour.faults = test.faults;
    StartSimulator(behaviour);
    std::vector<std::string> args = {"upload", "--device", Link()};
    for (const std::string& option : test.options)
        args.push_back(option == "DIR" ? backupFolder : option);
    args.push_back(PathIn(uploadName));
    const CliRun result = Run(args);

    EXPECT_EQ(test.exitCode, result.exitCode) << result.err;
    EXPECT_TRUE(result.out.ends_with(test.finalMessage)) << result.out;
    const std::vector<ReceivedBlock> blocks = m_simulator->ReceivedBlocks();
    EXPECT_EQ(test.received ? 1u : 0u, blocks.size());
    if (test.received && !blocks.empty()) {
        Bytes stored = upload;
        if (test.faults.corruptStoredByte)
            stored[*test.faults.corruptStoredByte] ^= 0xFF;
        EXPECT_EQ(stored, blocks[0].bytes);
    }
    EXPECT_EQ(upload, ReadFile(uploadName)); // the user's file is left alone

    const std::vector<fs::path> backups(fs::directory_iterator(backupFolder), {});
    EXPECT_EQ(test.backups, backups.size());
    if (!test.uploadsBackup && test.backups == 1 && !backups.empty()) {
        EXPECT_EQ(onReceiver, ReadFile(fs::relative(backups[0], mFolder).string())) << backups[0];
        EXPECT_THAT(result.err, HasSubstr("backed up to " + backups[0].string()));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliSafetyTest, ::testing::ValuesIn(kSafetyCases),
                         [](const auto& run) { return std::string(run.param.name); });

} // namespace
