#include "../blockfile/block_file_builder.h"
#include "blockfile/upload_classifier.h"
#include "transfer_fixture.h"

#include <algorithm>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

const Bytes kTenReturns(10, '\r');

// Splits what the PC sent into the leading break-in pattern and the rest.
std::pair<std::size_t, Bytes> SplitPattern(const Bytes& sent) {
    const auto end = std::find_if(sent.begin(), sent.end(), [](std::uint8_t byte) { return byte != 'x'; });
    return {static_cast<std::size_t>(end - sent.begin()), Bytes(end, sent.end())};
}

class TransferForcedUploadTest : public TransferSimTest {
protected:
    void SetUp() override {
        TransferSimTest::SetUp();
        transfer.SetHooks({.chooseDownloadFile = {},
                           .showStatus = [this](int entry) { statuses.push_back(entry); },
                           .connectionLost = {}});
    }

    // A block file of three blocks with ids 0xB1, 0xB2 and 0xB3, loaded as the Upload to STB command does.
    void LoadThreeBlocks() {
        vorlane::testing::AppendBlock(file, 0xB1, Pattern(1500, 0x71));
        vorlane::testing::AppendBlock(file, 0xB2, Pattern(700, 0x72));
        vorlane::testing::AppendBlock(file, 0xB3, Pattern(40, 0x73));
        ASSERT_EQ(1, ClassifyUploadFile("software.bin", file, transfer.SrcData()));
        ASSERT_EQ(3u, transfer.SrcData().count());
        for (std::size_t i = 0; i < 3; ++i) {
            const ConstByteSpan bytes = transfer.SrcData()[i].bytes();
            blocks.emplace_back(bytes.begin(), bytes.end());
        }
        transfer.SetForceMode(true);
        transfer.SetFilePath(PathIn("software.bin"));
    }

    Bytes file;
    std::vector<Bytes> blocks;
    std::vector<int> statuses;
};

} // namespace

// Receivers that answer in other manners than the plain one: an echoing monitor, answers cut into pieces or
// merged into one read, and a repeated first packet, which is still followed by the erase pause.
struct ReceiverManner {
    const char* name;
    bool monitorEcho;
    std::size_t splitOutputBytes;
    bool mergeOutput;
    int nakPacket;
};

class ForcedUploadMannerTest : public TransferForcedUploadTest, public ::testing::WithParamInterface<ReceiverManner> {};

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_P(ForcedUploadMannerTest, BreaksIntoTheMonitorAndSendsEveryBlockThroughIt) {
    const ReceiverManner& manner = GetParam();
    ReceiverBehaviour behaviour;
    behaviour.restartAfterBreakIn = 30ms;
    behaviour.monitorEcho = manner.monitorEcho;
    behaviour.faults.nakPacket = manner.nakPacket;
    SimulatorConfig config;
    config.splitOutputBytes = manner.splitOutputBytes;
    config.mergeOutput = manner.mergeOutput;
    Connect(behaviour, config);
    LoadThreeBlocks();
    TraceCapture trace;

    EXPECT_EQ(1, transfer.StartForcedUpload());
    EXPECT_EQ((std::vector<int>{21, 20, 7}), statuses); // trying, connected with the monitor, connected
    EXPECT_FALSE(transfer.IsBreakInSending());
    ASSERT_TRUE(RunUntil([&] { return ui.Finished(); }));
    RunFor(50ms);

    const auto [patternLength, rest] = SplitPattern(simulator->receivedBytes());
    EXPECT_GT(patternLength, 0u);
    EXPECT_EQ(0u, patternLength % 4);
    const Bytes answers = simulator->sentBytes();
    EXPECT_EQ(manner.monitorEcho, Occurrences(std::string(answers.begin(), answers.end()), "q\r\n") > 0);
    EXPECT_EQ(Join({kTenReturns, BytesOf("q\r"), kUploadGo, BlockOnTheLine(blocks[0], manner.nakPacket),
                    BytesOf("\r\r\r\rq\r"), kUploadGo, BlockOnTheLine(blocks[1]), BytesOf("\r\r\r\rq\r"), kUploadGo,
                    BlockOnTheLine(blocks[2]), BytesOf("\r\rreset\r")}),
              rest);

    ASSERT_TRUE(simulator->waitForBlocks(3, 1s));
    const auto stored = simulator->receivedBlocks();
    ASSERT_EQ(3u, stored.size());
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(kMonitorUpload, stored[i].transferClass);
        EXPECT_EQ(blocks[i], stored[i].bytes);
    }

    EXPECT_EQ(ProgressEvent::Completed, ui.reports.back().event);
    EXPECT_TRUE(transfer.FilePath().empty());
    EXPECT_EQ(0u, transfer.SrcData().count());
    EXPECT_FALSE(transfer.IsBreakInRunning());
    // The erasing note and the erase pause follow each block's first packet, also when it was sent again.
    int erasing = 0;
    bool secondOfThree = false;
    for (const ProgressReport& report : ui.reports) {
        if (report.event == ProgressEvent::Erasing) {
            ++erasing;
            EXPECT_EQ("Now erasing the flash. Please wait.", report.text);
        }
        secondOfThree |= report.event == ProgressEvent::Packets && report.upload.uploading &&
                         report.upload.entryNumber == 2 && report.upload.entryCount == 3;
    }
    EXPECT_EQ(manner.nakPacket == 1 ? 4 : 3, erasing);
    EXPECT_TRUE(secondOfThree);
    EXPECT_EQ(std::vector<std::string>{"wait Reset your STB(s)."}, ui.events); // no writing note
    EXPECT_EQ(3u, Occurrences(trace.text(), "m_nTimeOut2=0\n"));
    // The reset restarts the monitor: its prompt only shows the status again.
    EXPECT_EQ(20, statuses.back());
}

INSTANTIATE_TEST_SUITE_P(Manners, ForcedUploadMannerTest,
                         ::testing::Values(ReceiverManner{"Plain", false, 0, false, 0},
                                           ReceiverManner{"EchoingMonitor", true, 0, false, 0},
                                           ReceiverManner{"CutAnswers", false, 3, false, 0},
                                           ReceiverManner{"MergedAnswers", false, 0, true, 0},
                                           ReceiverManner{"FirstPacketRepeated", false, 0, false, 1}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(TransferForcedUploadTest, TheUserClosingTheWaitStopsThePatternWhichEndsWithReturnsAndQuit) {
    Connect(); // the receiver is never restarted: no prompt comes
    LoadThreeBlocks();
    ui.userClosesAfter = 100ms;
    TraceCapture trace;

    EXPECT_EQ(0, transfer.StartForcedUpload());
    EXPECT_TRUE(trace.contains("\nOut!!\n"));
    EXPECT_EQ(std::vector<int>{21}, statuses);
    ASSERT_TRUE(RunUntil([&] { return !transfer.IsBreakInRunning(); }, 2s));
    // The closing "q\r" may still be on its way.
    RunUntil([&] { return SplitPattern(simulator->receivedBytes()).second.size() >= 12; }, 2s);

    const auto [patternLength, rest] = SplitPattern(simulator->receivedBytes());
    EXPECT_GT(patternLength, 0u);
    EXPECT_EQ(Join({kTenReturns, BytesOf("q\r")}), rest);
    EXPECT_EQ(3u, transfer.SrcData().count()); // the upload list stays loaded
    EXPECT_EQ(TransferState::Idle, transfer.State());
}

TEST_F(TransferForcedUploadTest, DisconnectDuringTheBreakInStopsEverythingReachingTheReceiver) {
    Connect();
    LoadThreeBlocks();
    MemorySettingsStore store;
    Connection connection(port, store, texts, ui);
    connection.SetTransferControl(&transfer);
    ui.userClosesAfter = 100ms;
    ui.whenUserCloses = [&] { connection.DisconnectCommand(); };

    EXPECT_EQ(0, transfer.StartForcedUpload());
    ASSERT_TRUE(RunUntil([&] { return !transfer.IsBreakInRunning(); }, 2s));
    // Bytes written before the close may still be on their way; once they are in, nothing follows them.
    RunFor(100ms);
    const Bytes sent = simulator->receivedBytes();
    RunFor(300ms);
    EXPECT_EQ(sent, simulator->receivedBytes());
    EXPECT_GT(sent.size(), 0u);
    EXPECT_EQ(sent.size(), SplitPattern(sent).first); // no carriage returns, no "q\r"
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(TransferForcedUploadTest, APromptWithoutForceModeChangesNothing) {
    Connect();
    simulator->triggerRestart();
    EXPECT_TRUE(RunUntil([&] { return transfer.MonitorLines().CurrentLineStartsWith("[d-MON]"); }, 2s));
    EXPECT_TRUE(statuses.empty());

    transfer.SetForceMode(true);
    simulator->triggerRestart();
    EXPECT_TRUE(RunUntil([&] { return !statuses.empty(); }, 2s));
    RunFor(50ms);
    EXPECT_EQ(std::vector<int>{20}, statuses);
    EXPECT_TRUE(simulator->receivedBytes().empty());
}
