#include "loader/transfer_line.h"
#include "loader/transfer_requests.h"
#include "pseudo_terminal.h"
#include "transfer_fixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::testing::PseudoTerminal;

namespace {

const Bytes kUploadMarker = {0xCC, 0x55, 0x11, 0x22};

class TransferTranscriptTest : public TransferSimTest {
protected:
    void SetUp() override {
        TransferSimTest::SetUp();
        ASSERT_TRUE(m_pty.Valid());
        ASSERT_TRUE(m_port.Open(m_pty.SlavePath(), 115200, 0, 8, 0, 0));
    }

    // An upload marker is answered only while an entry with bytes waits to be sent.
    void LoadEntry() { ASSERT_TRUE(m_transfer.SrcData().Append(BlockEntry(Bytes{0x01}, TransferClass::P2))); }

    Bytes Sent(std::size_t count, int timeoutMs = 1000) { return m_pty.Receive(count, timeoutMs); }
    void ExpectNothingSent() { EXPECT_EQ(Bytes{}, m_pty.Receive(1, 100)); }

    PseudoTerminal m_pty;
};

using Entries = std::vector<std::pair<std::size_t, TransferClass>>;

struct UploadCase {
    const char* name;
    Entries entries;
    int SimulatorFaults::*fault;
    int faultPacket;
    ProgressEvent expectedReport;
};

// Packets of 1024, 1024 and 452 bytes.
const Entries kOneEntry = {{2500, TransferClass::P2}};
constexpr auto kNak = &SimulatorFaults::nakPacket;
constexpr auto kEnd = &SimulatorFaults::endAtPacket;
constexpr ProgressEvent kCompleted = ProgressEvent::Completed;
constexpr ProgressEvent kError = ProgressEvent::Error;

const UploadCase kUploads[] = {
    {"OneEntry", kOneEntry, nullptr, 0, kCompleted},
    // A full packet, then an entry requested with its own class.
    {"EachFurtherEntryRequestedWithItsClass",
     {{1024, TransferClass::P2}, {10, TransferClass::Sky}},
     nullptr,
     0,
     kCompleted},
    // A NAK resends exactly the packet it answered: the first, a middle and the last, short one.
    {"NakOfTheFirstPacket", kOneEntry, kNak, 1, kCompleted},
    {"NakOfAMiddlePacket", kOneEntry, kNak, 2, kCompleted},
    {"NakOfTheLastPacket", kOneEntry, kNak, 3, kCompleted},
    {"EndInTheMiddle", kOneEntry, kEnd, 2, kError},
    {"EndWithAnEntryLeft", {{2500, TransferClass::P2}, {10, TransferClass::P2}}, kEnd, 3, kError},
    {"EndAfterTheLastPacket", kOneEntry, kEnd, 3, kCompleted},
    {"ErrorInsteadOfTheAcknowledgement", kOneEntry, &SimulatorFaults::errorAtPacket, 2, kError},
};

class TransferUploadTest : public TransferSimTest, public ::testing::WithParamInterface<UploadCase> {};

} // namespace

TEST_F(TransferTranscriptTest, RequestSendFileSendsTheClassByteForClassesZeroToSix) {
    const char* const traces[] = {"request program data.\n", "request channel data.\n", "request pre-data data.\n",
                                  "request sky data.\n",     "request p2 data.\n",      "request p2-gold data.\n",
                                  "request conax data.\n"};
    for (std::uint32_t transferClass = 0; transferClass <= 6; ++transferClass) {
        SCOPED_TRACE(transferClass);
        TraceCapture trace;
        EXPECT_EQ(1, m_transfer.RequestSendFile(transferClass));
        EXPECT_EQ((Bytes{0xCC, 0x55, 0x22, static_cast<std::uint8_t>(0x20 + transferClass)}), Sent(4));
        EXPECT_EQ("--------> RequestSendFile : " + std::to_string(transferClass) + "\n" + traces[transferClass],
                  trace.Text());
    }
    TraceCapture trace;
    EXPECT_EQ(0, m_transfer.RequestSendFile(17));
    EXPECT_EQ((Bytes{0xCC, 0x55, 0x22}), Sent(4, 200));
    EXPECT_EQ("--------> RequestSendFile : 11\n", trace.Text());
}

TEST_F(TransferTranscriptTest, SendOperationsWriteTheirBytesAndReportAClosedPort) {
    TransferLine& line = m_transfer.Line();
    EXPECT_EQ(SendResult::Sent, line.SendDword(0x000009C4, ByteOrder::MostSignificantFirst));
    EXPECT_EQ(SendResult::Sent, line.SendDword(0x000009C4, ByteOrder::LeastSignificantFirst));
    EXPECT_EQ(SendResult::Sent, line.SendString("q\r"));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x09, 0xC4, 0xC4, 0x09, 0x00, 0x00, 'q', '\r'}), Sent(10));

    m_port.Close();
    EXPECT_EQ(SendResult::PortClosed, line.SendByte(0xFA));
    EXPECT_EQ(SendResult::PortClosed, line.SendString("x"));
    EXPECT_EQ(SendResult::PortClosed, line.SendDword(1, ByteOrder::MostSignificantFirst));
    EXPECT_EQ(SendResult::PortClosed, line.SendBufferPause(kUploadMarker.data(), kUploadMarker.size(), 0));
    EXPECT_EQ(0, m_transfer.SendWakeUp());
}

// A marker split over two deliveries is recognised at the end of the second.
TEST_F(TransferTranscriptTest, AnUploadMarkerEndingADeliveryIsAnsweredOnceAndBlanked) {
    LoadEntry();
    m_transfer.HandleReceived(Bytes{'\r', '\n', 0xCC, 0x55});
    ExpectNothingSent();
    m_transfer.HandleReceived(Bytes{0x11, 0x25});
    EXPECT_EQ((Bytes{0xFA, 0xCC}), Sent(2));
    EXPECT_EQ(TransferState::UploadStart, m_transfer.State());
    EXPECT_TRUE(m_transfer.MonitorLines().CurrentLineStartsWith("    "));

    // Anything but the go-ahead ends the upload as an error; the blanked line is not taken again.
    m_transfer.HandleReceived(BytesOf("?"));
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
    EXPECT_EQ(ProgressEvent::Error, m_ui.reports.back().event);
    m_transfer.HandleReceived(BytesOf("text"));
    ExpectNothingSent();
    EXPECT_EQ('t', m_transfer.MonitorLines().CurrentLine()[4]); // the column stayed after the blanks

    // With the entries gone, a further marker finds nothing to send and is not answered.
    m_transfer.HandleReceived(Join({BytesOf("\r\n"), kUploadMarker}));
    ExpectNothingSent();
    EXPECT_EQ(TransferState::Idle, m_transfer.State());

    // A marker followed by a line end in the same delivery is not recognised.
    m_transfer.HandleReceived(Join({BytesOf("\r\n"), kUploadMarker, BytesOf("\r\n")}));
    m_transfer.HandleReceived(Join({BytesOf("\r\n"), Bytes{0xFA, 0xCC}, BytesOf("\r\n")}));
    ExpectNothingSent();
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
}

TEST_F(TransferTranscriptTest, ADownloadMarkerIsAnsweredWithTheGoAheadAndIdleLetsTheNextMarkerIn) {
    m_transfer.HandleReceived(Bytes{'\r', '\n', 0xFA, 0xCC});
    EXPECT_EQ((Bytes{0xFA}), Sent(1));
    EXPECT_EQ(TransferState::DownloadSizeFirst, m_transfer.State());
    ExpectNothingSent();
    m_transfer.HandleReceived(Bytes{0x00, 0x00}); // two size bytes
    m_transfer.SetTransferIdle();
    LoadEntry();
    m_transfer.HandleReceived(Join({BytesOf("\r\n"), kUploadMarker}));
    EXPECT_EQ((Bytes{0xFA, 0xCC}), Sent(2));
}

TEST_F(TransferTranscriptTest, ErrorWhileTheNextPacketIsAwaitedEndsTheUploadAndClearsTheFilePath) {
    const Bytes contents = Pattern(2500, 0x61);
    ASSERT_TRUE(m_transfer.SrcData().Append(BlockEntry(contents, TransferClass::P2)));
    m_transfer.SetFilePath("/somewhere/update.key");
    TraceCapture trace;
    m_transfer.HandleReceived(Join({BytesOf("\r\n"), kUploadMarker}));
    EXPECT_EQ((Bytes{0xFA, 0xCC}), Sent(2));
    m_transfer.HandleReceived(Bytes{0xFA});
    EXPECT_EQ(TransferState::UploadAwaitAck, m_transfer.State());
    EXPECT_EQ(Join({SizeBytes(2500), Packets(contents)[0]}), Sent(4 + 1028));

    // One acknowledgement alone leaves the PC waiting for the ready byte.
    m_transfer.HandleReceived(Bytes{0xFA});
    EXPECT_EQ(TransferState::UploadAwaitReady, m_transfer.State());
    ExpectNothingSent();

    m_transfer.HandleReceived(Bytes{0xFE});
    EXPECT_EQ(ProgressEvent::Error, m_ui.reports.back().event);
    EXPECT_TRUE(trace.Contains("Protocol Error case 2\n"));
    EXPECT_TRUE(m_transfer.FilePath().empty());
    EXPECT_EQ(0u, m_transfer.SrcData()[0].size()); // its bytes were freed
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
    ExpectNothingSent();
}

// Normal uploads end completed only after the last packet of the last entry; either way Idle before the report.
TEST_P(TransferUploadTest, SendsEveryEntryExactlyAndEndsAsTheReceiverDecides) {
    const UploadCase& test = GetParam();
    ReceiverBehaviour behaviour;
    if (test.fault)
        behaviour.faults.*test.fault = test.faultPacket;
    Connect(behaviour);
    std::vector<Bytes> entries;
    for (const auto& [size, transferClass] : test.entries) {
        entries.push_back(Pattern(size, static_cast<std::uint8_t>(0x31 + entries.size())));
        ASSERT_TRUE(m_transfer.SrcData().Append(BlockEntry(entries.back(), transferClass)));
    }
    m_transfer.SetFilePath(PathIn("update.key"));
    std::vector<TransferState> statesAtEnd;
    m_ui.onReport = [&](const ProgressStep& step) {
        if (step.event == ProgressEvent::Completed || step.event == ProgressEvent::Error)
            statesAtEnd.push_back(m_transfer.State());
    };
    TraceCapture trace;
    EXPECT_EQ(1, m_transfer.SendWakeUp());
    EXPECT_EQ(1, m_transfer.RequestSendFile(static_cast<std::uint32_t>(test.entries[0].second)));
    ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));
    RunFor(50ms);

    EXPECT_EQ(test.expectedReport, m_ui.reports.back().event);
    EXPECT_EQ(test.expectedReport == ProgressEvent::Error, trace.Contains("Protocol Error case 1\n")) << trace.Text();
    if (test.entries.size() == 2 && !test.fault) {
        for (const char* part : {"--------> Request next file\n", "START : m_nCurSrcData=1\n -> send file size : 0xa\n",
                                 " -> send buffer, (10 + 4)\n"})
            EXPECT_TRUE(trace.Contains(part)) << part;
    }
    EXPECT_EQ(std::vector<TransferState>{TransferState::Idle}, statesAtEnd);
    EXPECT_TRUE(m_transfer.FilePath().empty());
    EXPECT_EQ(0u, m_transfer.SrcData().Count());
    EXPECT_FALSE(m_transfer.IsTransferRunning());
    ASSERT_FALSE(m_ui.begins.empty()); // one per entry begun
    EXPECT_EQ(static_cast<int>(Packets(entries[0]).size()), m_ui.begins[0].value);
    EXPECT_EQ(PathIn("update.key") + "|Uploading", m_ui.begins[0].text);
    if (test.expectedReport == ProgressEvent::Error)
        return;

    // The expected packets' sums, pinned once: the byte sum, most significant byte first.
    EXPECT_EQ((Bytes{0xFF, 0x01, 0x00, 0x00, 0x01, 0x00}), Packets(Bytes{0xFF, 0x01})[0]);
    Bytes line = WakeUpBytes();
    for (std::size_t i = 0; i < entries.size(); ++i)
        line = Join({line, UploadRequest(static_cast<std::uint8_t>(0x20 + static_cast<int>(test.entries[i].second))),
                     kUploadGo,
                     BlockOnTheLine(entries[i], test.fault == &SimulatorFaults::nakPacket ? test.faultPacket : 0)});
    EXPECT_EQ(line, m_simulator->ReceivedBytes()); // what the receiver makes of it is the simulator's business
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // The progress shows the entry's place.
        EXPECT_TRUE(std::any_of(m_ui.reports.begin(), m_ui.reports.end(), [&](const ProgressReport& report) {
            return report.upload.uploading && report.upload.entryNumber == static_cast<int>(i + 1) &&
                   report.upload.entryCount == static_cast<int>(entries.size());
        })) << i;
    }
    EXPECT_EQ(entries.size(), m_ui.begins.size());
    if (!test.fault && entries.size() == 1) {
        EXPECT_EQ(std::vector<std::string>{"note Now writting the flash. Do NOT power off the STB."}, m_ui.events);
        // The note goes up when the last packet was sent.
        std::vector<std::pair<ProgressEvent, int>> values;
        for (const ProgressReport& report : m_ui.reports)
            values.push_back({report.event, report.value});
        constexpr ProgressEvent kPackets = ProgressEvent::Packets;
        EXPECT_EQ((std::vector<std::pair<ProgressEvent, int>>{
                      {kPackets, 0}, {kPackets, 1}, {kPackets, 2}, {kPackets, 3}, {ProgressEvent::Completed, 0}}),
                  values);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TransferUploadTest, ::testing::ValuesIn(kUploads),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(TransferSimTest, UploadSilenceLeavesTheUploadWaitingUntilDisconnect) {
    ReceiverBehaviour behaviour;
    behaviour.faults.silentAfterPacket = 1;
    Connect(behaviour);
    ASSERT_TRUE(m_transfer.SrcData().Append(BlockEntry(Pattern(2500, 0x46), TransferClass::P2)));
    m_transfer.SetFilePath(PathIn("update.key"));
    m_transfer.SendWakeUp();
    m_transfer.RequestSendFile(4);
    ASSERT_TRUE(RunUntil([&] { return m_ui.reports.size() >= 3; })); // the second packet went out
    RunFor(300ms);
    EXPECT_EQ(TransferState::UploadAwaitAck, m_transfer.State());
    EXPECT_FALSE(m_ui.Finished());

    MemorySettingsStore store;
    Connection connection(m_port, store, m_texts, m_ui);
    connection.SetTransferControl(&m_transfer);
    connection.DisconnectCommand();
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(m_transfer.FilePath().empty()); // a later download can never take the upload's file
    EXPECT_FALSE(m_transfer.IsTransferRunning());
}
