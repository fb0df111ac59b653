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
        m_transfer.SetHooks({.chooseDownloadFile = {},
                             .showStatus = [this](int entry) { m_statuses.push_back(entry); },
                             .connectionLost = {}});
    }

    // A block file of three blocks with ids 0xB1, 0xB2 and 0xB3, loaded as the Upload to STB command does.
    void LoadThreeBlocks() {
        vorlane::testing::AppendBlock(m_file, 0xB1, Pattern(1500, 0x71));
        vorlane::testing::AppendBlock(m_file, 0xB2, Pattern(700, 0x72));
        vorlane::testing::AppendBlock(m_file, 0xB3, Pattern(40, 0x73));
        ASSERT_EQ(1, ClassifyUploadFile("software.bin", m_file, m_transfer.SrcData()));
        ASSERT_EQ(3u, m_transfer.SrcData().Count());
        for (std::size_t i = 0; i < 3; ++i) {
            const ConstByteSpan bytes = m_transfer.SrcData()[i].Content();
            m_blocks.emplace_back(bytes.begin(), bytes.end());
        }
        m_transfer.SetForceMode(true);
        m_transfer.SetFilePath(PathIn("software.bin"));
    }

    Bytes m_file;
    std::vector<Bytes> m_blocks;
    std::vector<int> m_statuses;
};

} // namespace

// Receivers with an echoing monitor, answers cut into pieces or merged, or a repeated first packet.
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

    EXPECT_EQ(1, m_transfer.StartForcedUpload());
    EXPECT_EQ((std::vector<int>{21, 20, 7}), m_statuses); // trying, connected with the monitor, connected
    EXPECT_FALSE(m_transfer.IsBreakInSending());
    ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));
    RunFor(50ms);

    const auto [patternLength, rest] = SplitPattern(m_simulator->ReceivedBytes());
    EXPECT_GT(patternLength, 0u);
    EXPECT_EQ(0u, patternLength % 4);
    EXPECT_EQ(Join({kTenReturns, BytesOf("q\r"), kUploadGo, BlockOnTheLine(m_blocks[0], manner.nakPacket),
                    BytesOf("\r\r\r\rq\r"), kUploadGo, BlockOnTheLine(m_blocks[1]), BytesOf("\r\r\r\rq\r"), kUploadGo,
                    BlockOnTheLine(m_blocks[2]), BytesOf("\r\rreset\r")}),
              rest); // what the receiver makes of it is the simulator's business

    EXPECT_EQ(ProgressEvent::Completed, m_ui.reports.back().event);
    EXPECT_TRUE(m_transfer.FilePath().empty());
    EXPECT_EQ(0u, m_transfer.SrcData().Count());
    EXPECT_FALSE(m_transfer.IsBreakInRunning());
    // The erasing note and pause follow each block's first packet, also when sent again (texts: commands' captions).
    EXPECT_EQ(manner.nakPacket == 1 ? 4 : 3,
              std::count_if(m_ui.reports.begin(), m_ui.reports.end(),
                            [](const ProgressReport& report) { return report.event == ProgressEvent::Erasing; }));
    EXPECT_EQ(std::vector<std::string>{"wait Reset your STB(s)."}, m_ui.events); // no writing note
    EXPECT_EQ(3u, Occurrences(trace.Text(), "m_nTimeOut2=0\n"));
    // The reset restarts the monitor: its prompt only shows the status again.
    EXPECT_EQ(20, m_statuses.back());
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
    m_ui.userClosesAfter = 100ms;
    TraceCapture trace;

    EXPECT_EQ(0, m_transfer.StartForcedUpload());
    EXPECT_TRUE(trace.Contains("\nOut!!\n"));
    EXPECT_EQ(std::vector<int>{21}, m_statuses);
    ASSERT_TRUE(RunUntil([&] { return !m_transfer.IsBreakInRunning(); }, 2s));
    // The closing "q\r" may still be on its way.
    RunUntil([&] { return SplitPattern(m_simulator->ReceivedBytes()).second.size() >= 12; }, 2s);

    const auto [patternLength, rest] = SplitPattern(m_simulator->ReceivedBytes());
    EXPECT_GT(patternLength, 0u);
    EXPECT_EQ(Join({kTenReturns, BytesOf("q\r")}), rest);
    // The list stays loaded but the path is forgotten: a download the receiver starts later cannot take the file.
    EXPECT_EQ(3u, m_transfer.SrcData().Count());
    EXPECT_EQ("", m_transfer.FilePath());
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
    EXPECT_FALSE(m_transfer.IsTransferRunning());
}

TEST_F(TransferForcedUploadTest, DisconnectDuringTheBreakInStopsEverythingReachingTheReceiver) {
    Connect();
    LoadThreeBlocks();
    MemorySettingsStore store;
    Connection connection(m_port, store, m_texts, m_ui);
    connection.SetTransferControl(&m_transfer);
    m_ui.userClosesAfter = 100ms;
    m_ui.whenUserCloses = [&] { connection.DisconnectCommand(); };

    EXPECT_EQ(0, m_transfer.StartForcedUpload());
    ASSERT_TRUE(RunUntil([&] { return !m_transfer.IsBreakInRunning(); }, 2s));
    // Bytes written before the close may still be on their way; once they are in, nothing follows them.
    RunFor(100ms);
    const Bytes sent = m_simulator->ReceivedBytes();
    RunFor(300ms);
    EXPECT_EQ(sent, m_simulator->ReceivedBytes());
    EXPECT_GT(sent.size(), 0u);
    EXPECT_EQ(sent.size(), SplitPattern(sent).first); // no carriage returns, no "q\r"
    EXPECT_FALSE(m_port.IsOpen());
}

TEST_F(TransferForcedUploadTest, APromptWithoutForceModeChangesNothing) {
    Connect();
    m_simulator->TriggerRestart();
    EXPECT_TRUE(RunUntil([&] { return m_transfer.MonitorLines().CurrentLineStartsWith("[d-MON]"); }, 2s));
    EXPECT_TRUE(m_statuses.empty());

    m_transfer.SetForceMode(true);
    m_simulator->TriggerRestart();
    EXPECT_TRUE(RunUntil([&] { return !m_statuses.empty(); }, 2s));
    RunFor(50ms);
    EXPECT_EQ(std::vector<int>{20}, m_statuses);
    EXPECT_TRUE(m_simulator->ReceivedBytes().empty());
}
