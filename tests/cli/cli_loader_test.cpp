#include "cli_loader_fixture.h"
#include "sim/stored_channel_list.h"
#include "support/channel_file_sample.h"

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
    EXPECT_TRUE(Contains(result.err, "vorlane-cli upload: can't use the port " + PathIn("COM9"))) << result.err;

    WriteFile("x.S1", Pattern(100, 0x42));
    StartSimulator();
    result = Run({"upload", "--device", Link(), "x.S1"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("The selected file is not acceptable.\n", result.out);
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(simulator->receivedBytes().empty());
}

TEST_F(CliLoaderTest, AForcedUploadGivesUpAfterTheWaitAndLeavesTheMonitorCleanly) {
    WriteBlockFile("software.bin", 100);
    StartSimulator(); // never restarted: no prompt
    const CliRun result = Run({"upload", "--device", Link(), "--wait", "1", "software.bin"});

    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("Reset your STB(s).\n", result.out);
    EXPECT_TRUE(Contains(result.err, "the boot monitor did not answer")) << result.err;
    // The last bytes may still be on their way to the simulator when the program has ended.
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (!Contains(ToText(simulator->receivedBytes()), "q\r") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    const Bytes sent = simulator->receivedBytes();
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
    while (simulator->receivedBytes().size() < 40 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(0, ::kill(pid, SIGINT));
    const CliRun result = Finish(pid);

    EXPECT_EQ(1, result.exitCode);
    EXPECT_TRUE(Contains(result.err, "vorlane-cli upload: interrupted\n")) << result.err;
    const std::size_t sentAtExit = simulator->receivedBytes().size();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(sentAtExit, simulator->receivedBytes().size());
}

TEST_F(CliLoaderTest, DownloadOfTheMainSoftwareIsStoredExactly) {
    const Bytes software = Pattern(5000, 0x43);
    ReceiverBehaviour behaviour;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = software;
    StartSimulator(behaviour);
    // The port's device is the COMn link in VORLANE_SERIAL_DIR.
    const CliRun result =
        Finish(Spawn({"download", "--port", "5", "--what", "main", "main.bin"}, {"VORLANE_SERIAL_DIR=" + PathIn("")}));

    EXPECT_EQ(0, result.exitCode) << result.err;
    EXPECT_EQ("Completed\n", result.out);
    EXPECT_TRUE(Contains(result.err, "Downloading\n0%\n20%\n40%\n60%\n80%\n100%\n")) << result.err;
    EXPECT_EQ(software, ReadFile("main.bin"));
}

namespace {

// A channel-file upload with its safety net, end to end: what the command prints, whether the receiver got the
// file, and the backup folder.
struct SafetyCase {
    const char* name;
    std::vector<std::string> options; // before the file; "DIR" stands for the backup folder
    SimulatorFaults faults;
    std::chrono::milliseconds answerPause{0};
    bool uploadsBackup = false; // the file uploaded is the receiver's own backup (a restore)
    int exitCode;
    const char* finalMessage; // the end of standard output
    bool received;            // the receiver got the file (with the flipped byte of a faulty flash)
    std::size_t backups;      // files in the backup folder afterwards
};

std::string CaseName(const ::testing::TestParamInfo<SafetyCase>& info) {
    return info.param.name;
}

void PrintTo(const SafetyCase& test, std::ostream* out) {
    *out << test.name;
}

// A byte inside the channel table sectors of a sample channel file.
constexpr std::size_t kChannelSectorByte = 0x30000 + 0x200;

SimulatorFaults CorruptStored() {
    SimulatorFaults faults;
    faults.corruptStoredByte = kChannelSectorByte;
    return faults;
}

SimulatorFaults CloseDuringDownload() {
    SimulatorFaults faults;
    faults.closeAfterPacket = 2;
    return faults;
}

class CliSafetyTest : public CliLoaderTest, public ::testing::WithParamInterface<SafetyCase> {};

const SafetyCase kSafetyCases[] = {
    {"BackupUploadVerify",
     {"--backup", "DIR", "--verify"},
     {},
     1000ms,
     false,
     0,
     "Reset your STB(s).\nCompleted and verified\n",
     true,
     1},
    {"CorruptedStoreFailsVerify",
     {"--verify"},
     CorruptStored(),
     0ms,
     false,
     1,
     "Verify failed: 1 byte differs (channels: 1) between the uploaded file and the receiver's channel list.\n",
     true,
     0},
    {"FailedBackupUploadsNothing",
     {"--backup", "DIR"},
     CloseDuringDownload(),
     0ms,
     false,
     1,
     "The receiver's channel list could not be backed up (Error occurred... Please check the displayed message of "
     "the STB); nothing was uploaded.\n",
     false,
     0},
    // Silence after the upload is cut short by the idle time-out, and the report still says the upload finished.
    {"UnansweredReadBack",
     {"--verify", "--idle-timeout", "1"},
     {},
     4000ms,
     false,
     1,
     "The upload completed, but the channel list could not be read back to verify it (the receiver did not answer "
     "for 1 s).\n",
     true,
     0},
    {"RestoreUploadsTheBackup",
     {"--verify"},
     {},
     0ms,
     true,
     0,
     "Reset your STB(s).\nCompleted and verified\n",
     true,
     1},
};

TEST_P(CliSafetyTest, ChannelUploadWithBackupAndVerify) {
    const SafetyCase& test = GetParam();
    const std::string backupFolder = PathIn("backups");
    fs::create_directories(backupFolder);
    const Bytes onReceiver = vorlane::testing::SampleChannelFile(0x21, 30);
    const std::string backupPath = backupFolder + "/channels-20260101-120000.bin";
    const Bytes upload = test.uploadsBackup ? onReceiver : vorlane::testing::SampleChannelFile(0x52, 45);
    const std::string uploadPath = test.uploadsBackup ? backupPath : PathIn("new.bin");
    if (test.uploadsBackup)
        WriteFile("backups/channels-20260101-120000.bin", onReceiver);
    else
        WriteFile("new.bin", upload);

    ReceiverBehaviour behaviour;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::Channel)] = ChannelListAsSent(onReceiver);
    behaviour.restartAfterBreakIn = 50ms;
    behaviour.answerPauseAfterStore = test.answerPause;
    behaviour.faults = test.faults;
    StartSimulator(behaviour);
    std::vector<std::string> args = {"upload", "--device", Link()};
    for (const std::string& option : test.options)
        args.push_back(option == "DIR" ? backupFolder : option);
    args.push_back(uploadPath);
    const CliRun result = Run(args);

    EXPECT_EQ(test.exitCode, result.exitCode) << result.err;
    EXPECT_TRUE(result.out.ends_with(test.finalMessage)) << result.out;
    const std::vector<ReceivedBlock> blocks = simulator->receivedBlocks();
    EXPECT_EQ(test.received ? 1u : 0u, blocks.size());
    if (test.received && !blocks.empty()) {
        Bytes stored = upload;
        if (test.faults.corruptStoredByte)
            stored[*test.faults.corruptStoredByte] ^= 0xFF;
        EXPECT_EQ(stored, blocks[0].bytes);
    }
    EXPECT_EQ(upload, ReadFile(fs::relative(uploadPath, folder).string())); // the user's file is left alone

    std::vector<fs::path> backups;
    for (const auto& entry : fs::directory_iterator(backupFolder))
        backups.push_back(entry.path());
    EXPECT_EQ(test.backups, backups.size());
    if (!test.uploadsBackup && test.backups == 1 && !backups.empty()) {
        EXPECT_EQ(onReceiver, ReadFile(fs::relative(backups[0], folder).string())) << backups[0];
        EXPECT_TRUE(Contains(result.err, "backed up to " + backups[0].string())) << result.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliSafetyTest, ::testing::ValuesIn(kSafetyCases), CaseName);

} // namespace
