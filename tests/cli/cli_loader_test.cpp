// vorlane-cli upload and download against the simulated receiver: every transfer against every fault the
// receiver or the line may commit, the safety steps around a channel upload, interrupts and refusals.

#include "cli_loader_fixture.h"
#include "sim/stored_channel_list.h"
#include "support/channel_file_sample.h"

#include <csignal>
#include <thread>

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST_F(CliLoaderTest, AFileOfNoKnownKindFailsBeforeAnythingIsSent) {
    WriteFile("x.S1", Pattern(100, 0x42));
    StartSimulator();
    const CliRun result = Run({"upload", "--device", Link(), "x.S1"});
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
    const std::string sent = ToText(m_simulator->ReceivedBytes());
    ASSERT_TRUE(sent.starts_with('x'));
    EXPECT_EQ(std::string(10, '\r') + "q\r", sent.substr(sent.find_first_not_of('x')));
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
    std::vector<std::string> options; // before the file
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
    {"BackupUploadVerify", {"--backup", "backups", "--verify"}, {}, 1000ms, false, 0, true, 1,
     "Reset your STB(s).\nCompleted and verified\n"},
    {"CorruptedStoreFailsVerify", {"--verify"}, {.corruptStoredByte = kChannelSectorByte}, 0ms, false, 1, true, 0,
     "Verify failed: 1 byte differs (channels: 1) between the uploaded file and the receiver's channel list.\n"},
    {"FailedBackupUploadsNothing", {"--backup", "backups"}, {.closeAfterPacket = 2, .corruptStoredByte = {}}, 0ms, false, 1, false, 0,
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
    args.insert(args.end(), test.options.begin(), test.options.end());
    args.push_back(uploadName);
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
        const std::string backup = fs::relative(backups[0], mFolder).string();
        EXPECT_EQ(onReceiver, ReadFile(backup)) << backup;
        EXPECT_THAT(result.err, HasSubstr("backed up to " + backup));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliSafetyTest, ::testing::ValuesIn(kSafetyCases),
                         [](const auto& run) { return std::string(run.param.name); });

} // namespace

namespace {

// The file is three packets long: 1024, 1024 and 452 bytes.
constexpr std::size_t kFileLength = 2500;

// A fault at `packet` in an upload and in a download (where the PC's NAK answers a damaged packet).
struct FaultCase {
    const char* name;
    int SimulatorFaults::*upload;
    int SimulatorFaults::*download;
    int packet;
    bool completes;
};

const FaultCase kFaults[] = {
    {"NoFault", nullptr, nullptr, 0, true},
    {"Nak", &SimulatorFaults::nakPacket, &SimulatorFaults::corruptDownloadPacket, 2, true},
    {"CorruptSum", &SimulatorFaults::corruptUploadPacket, &SimulatorFaults::corruptDownloadPacket, 3, true},
    {"Error", &SimulatorFaults::errorAtPacket, &SimulatorFaults::errorAtPacket, 1, false},
    {"EarlyEnd", &SimulatorFaults::endAtPacket, &SimulatorFaults::endAtPacket, 1, false},
    {"Silence", &SimulatorFaults::silentAfterPacket, &SimulatorFaults::silentAfterPacket, 1, false},
    {"LineLoss", &SimulatorFaults::closeAfterPacket, &SimulatorFaults::closeAfterPacket, 1, false},
};

using MatrixCell = std::tuple<std::string, FaultCase>; // "Upload", "ForcedUpload" or "Download", and the fault

class FaultMatrixTest : public CliLoaderTest, public ::testing::WithParamInterface<MatrixCell> {};

} // namespace

TEST_P(FaultMatrixTest, EndsCompletedAndIdenticalOrFailedWithNothingTouched) {
    const auto [kind, fault] = GetParam();
    const Bytes data = Pattern(kFileLength, 0x51);
    ReceiverBehaviour behaviour;
    if (const auto field = kind == "Download" ? fault.download : fault.upload)
        behaviour.faults.*field = fault.packet;
    behaviour.restartAfterBreakIn = 50ms;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = data;
    StartSimulator(behaviour);

    Bytes expected = data;                   // what has to arrive
    const Bytes before = Pattern(300, 0x52); // a download's target as it was
    // The port's device is the COMn link in VORLANE_SERIAL_DIR.
    const std::string command = kind == "Download" ? "download" : "upload";
    std::vector<std::string> args = {command, "--port", "5", "--speed", "115200", "--idle-timeout", "1"};
    if (kind == "Download") {
        WriteFile("main.bin", before);
        args.insert(args.end(), {"--what", "main", "main.bin"});
    } else if (kind == "Upload") {
        WriteFile("update.key", data);
        args.push_back("update.key");
    } else {
        expected = WriteBlockFile("software.bin", kFileLength - 128);
        args.insert(args.end(), {"--wait", "10", "software.bin"});
    }
    const CliRun result = Finish(Spawn(args, {"VORLANE_SERIAL_DIR=" + PathIn("")}));

    for (const auto& entry : fs::recursive_directory_iterator(mFolder)) // no temporary file is left
        EXPECT_THAT(entry.path().filename().string(), Not(HasSubstr(".part-")));
    if (fault.completes) {
        EXPECT_EQ(0, result.exitCode) << result.err;
        EXPECT_EQ(kind == "ForcedUpload" ? "Reset your STB(s).\nCompleted\n" : "Completed\n", result.out);
        if (kind == "Download") {
            EXPECT_THAT(result.err, HasSubstr("Downloading\n0%\n33%\n66%\n100%\n"));
            EXPECT_EQ(data, ReadFile("main.bin"));
            return;
        }
        ASSERT_TRUE(m_simulator->WaitForBlocks(1, 1s));
        EXPECT_EQ(expected, m_simulator->ReceivedBlocks()[0].bytes);
        if (kind == "Upload") {
            EXPECT_EQ(4, m_simulator->ReceivedBlocks()[0].transferClass);
            if (!fault.upload) { // not a terminal: plain lines
                EXPECT_THAT(result.err, HasSubstr("Uploading\n0%  (1/1)\n33%  (1/1)\n66%  (1/1)\n100%  (1/1)\n"));
                EXPECT_THAT(result.err, Not(HasSubstr("\r")));
            }
            EXPECT_THAT(ReadText("config/Vorlane/Vorlane.ini"), HasSubstr("BinFileName=" + PathIn("update.key")));
        }
        return;
    }
    EXPECT_EQ(1, result.exitCode) << result.out << result.err;
    EXPECT_THAT(result.out, Not(HasSubstr("Completed")));
    const std::string_view faultName = fault.name;
    const bool silent = kind == "Download" ? faultName != "LineLoss" : faultName == "Silence";
    const std::string message = silent ? "The receiver did not answer for 1 s\n"
                                       : "Error occurred... Please check the displayed message of the STB\n";
    EXPECT_THAT(result.out, HasSubstr(message));
    if (kind == "Download")
        EXPECT_EQ(before, ReadFile("main.bin"));
    else
        EXPECT_TRUE(m_simulator->ReceivedBlocks().empty());
}

INSTANTIATE_TEST_SUITE_P(AllCells, FaultMatrixTest,
                         ::testing::Combine(::testing::Values("Upload", "ForcedUpload", "Download"),
                                            ::testing::ValuesIn(kFaults)),
                         [](const ::testing::TestParamInfo<MatrixCell>& cell) {
                             return std::get<0>(cell.param) + std::get<1>(cell.param).name;
                         });
