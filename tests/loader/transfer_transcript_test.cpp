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
    void LoadEntry() { ASSERT_EQ(1, m_transfer.SrcData().Append(BlockEntry(Bytes{0x01}, TransferClass::P2))); }

    // What the PC wrote, waiting up to `timeoutMs` for `count` bytes.
    Bytes Sent(std::size_t count, int timeoutMs = 1000) { return m_pty.Receive(count, timeoutMs); }
    // Asserts that the PC wrote nothing more.
    void ExpectNothingSent() { EXPECT_EQ(Bytes{}, m_pty.Receive(1, 100)); }

    PseudoTerminal m_pty;
};

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
    EXPECT_EQ(1, line.SendDword(0x000009C4, kMostSignificantFirst));
    EXPECT_EQ(1, line.SendDword(0x000009C4, kLeastSignificantFirst));
    EXPECT_EQ(1, line.SendString("q\r"));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x09, 0xC4, 0xC4, 0x09, 0x00, 0x00, 'q', '\r'}), Sent(10));

    m_port.Close();
    EXPECT_EQ(-1, line.SendByte(0xFA));
    EXPECT_EQ(-1, line.SendString("x"));
    EXPECT_EQ(-1, line.SendDword(1, 0));
    EXPECT_EQ(-1, line.SendBufferPause(kUploadMarker.data(), kUploadMarker.size(), 0));
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
    ASSERT_EQ(1, m_transfer.SrcData().Append(BlockEntry(contents, TransferClass::P2)));
    m_transfer.SetFilePath("/somewhere/update.key");
    TraceCapture trace;
    m_pty.Send(Join({BytesOf("\r\n"), kUploadMarker}));
    ASSERT_TRUE(m_events.RunUntil([&] { return m_transfer.State() == TransferState::UploadStart; }, 2s));
    EXPECT_EQ((Bytes{0xFA, 0xCC}), Sent(2));

    m_pty.Send(Bytes{0xFA});
    const auto packets = Packets(contents);
    ASSERT_TRUE(m_events.RunUntil([&] { return m_transfer.State() == TransferState::UploadAwaitAck; }, 2s));
    EXPECT_EQ(Join({SizeBytes(2500), packets[0]}), Sent(4 + 1028));

    // One acknowledgement alone leaves the PC waiting for the ready byte.
    m_pty.Send(Bytes{0xFA});
    ASSERT_TRUE(m_events.RunUntil([&] { return m_transfer.State() == TransferState::UploadAwaitReady; }, 2s));
    ExpectNothingSent();

    m_pty.Send(Bytes{0xFE});
    ASSERT_TRUE(m_events.RunUntil([&] { return m_ui.Finished(); }, 2s));
    EXPECT_EQ(ProgressEvent::Error, m_ui.reports.back().event);
    EXPECT_TRUE(trace.Contains("Protocol Error case 2\n"));
    EXPECT_TRUE(m_transfer.FilePath().empty());
    EXPECT_EQ(0u, m_transfer.SrcData()[0].size()); // its bytes were freed
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
    ExpectNothingSent();
}
