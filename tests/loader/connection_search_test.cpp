#include "connection_fixture.h"
#include "platform/serial_device.h"
#include "sim/simulated_receiver.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::chrono_literals;

namespace {

// Only the pauses around the identification window matter to a receiver; the others are left out for speed.
constexpr ConnectionPauses kSearchPauses{0, 0, 200, 500};
constexpr std::size_t kWakeUpLength = 25;

class PortSearchTest : public ConnectionPieces {
protected:
    void SetUp() override {
        ConnectionPieces::SetUp();
        m_connection.Start();
    }

    SimulatedReceiver& StartReceiver(int portNumber, bool identifies = true, std::size_t splitOutputBytes = 0) {
        SimulatorConfig config;
        config.linkPath = m_ports.PortPath(portNumber);
        config.splitOutputBytes = splitOutputBytes;
        config.behaviour.faults.withoutIdentification = !identifies;
        m_receivers.push_back(std::make_unique<SimulatedReceiver>(config));
        EXPECT_EQ(1, m_receivers.back()->Start());
        return *m_receivers.back();
    }

    std::vector<std::unique_ptr<SimulatedReceiver>> m_receivers;
    Connection m_connection{m_port, mStore, m_texts, m_ui, kSearchPauses};
};

} // namespace

TEST_F(PortSearchTest, HighestAnsweringPortIsFoundFirst) {
    SimulatedReceiver& com2 = StartReceiver(2);
    SimulatedReceiver& com5 = StartReceiver(5);

    TraceCapture trace;
    ASSERT_EQ(1, m_connection.AutoConnectCommand());
    EXPECT_EQ(5, m_connection.Settings().PortNumber());
    EXPECT_TRUE(m_port.IsOpen());
    EXPECT_FALSE(SerialDevice::Probe(m_ports.PortPath(5))); // held by the open port
    EXPECT_TRUE(trace.Contains("Detect port : 5\n"));
    EXPECT_TRUE(trace.Contains("buf : \r\nKX70RS"));
    EXPECT_TRUE(trace.Contains("OK port!!!"));
    EXPECT_FALSE(trace.Contains("Detect port : 2\n"));
    EXPECT_EQ((std::vector<std::string>{"cursor not-allowed", "message1 COM port searching OK!", "cursor arrow"}),
              m_ui.events);
    EXPECT_EQ("   Connected", m_connection.StatusText());
    EXPECT_EQ(ConnectionControlsFor(true), m_connection.Controls());

    // The search's wake-up, then the Connect command's own.
    EXPECT_EQ(2 * kWakeUpLength, com5.ReceivedBytes().size());
    EXPECT_TRUE(com2.ReceivedBytes().empty());
}

// The receiver found prints its identification in pieces, which are read until the text is whole.
TEST_F(PortSearchTest, PortAnsweringWithoutIdentificationIsClosedAndSkipped) {
    StartReceiver(2, true, 3);
    SimulatedReceiver& silentOne = StartReceiver(5, false);

    TraceCapture trace;
    ASSERT_EQ(1, m_connection.SearchPort());
    EXPECT_EQ(2, m_connection.Settings().PortNumber());
    EXPECT_TRUE(trace.Contains("Detect port : 5\n"));
    EXPECT_TRUE(trace.Contains("Detect port : 2\n"));
    EXPECT_EQ(kWakeUpLength, silentOne.ReceivedBytes().size());
    EXPECT_FALSE(silentOne.SentBytes().empty()); // it did answer, just not as a receiver of ours
    EXPECT_TRUE(SerialDevice::Probe(m_ports.PortPath(5)));
    EXPECT_FALSE(SerialDevice::Probe(m_ports.PortPath(2)));
}

// Without any port the port index stays; with only a port that gives no identification the search ends there,
// failed and closed.
TEST_F(PortSearchTest, NoReceiverFailsWithThePortClosed) {
    ASSERT_EQ(1, m_connection.SetPortAndSpeed(9, 11));
    EXPECT_EQ(0, m_connection.SearchPort());
    EXPECT_EQ(10, m_connection.Settings().PortNumber());

    StartReceiver(4, false);
    EXPECT_EQ(0, m_connection.AutoConnectCommand());
    EXPECT_FALSE(m_port.IsOpen());
    // The search alone, then the command: never a message box.
    const std::string failed = "message1 COM port searching fail!";
    EXPECT_EQ((std::vector<std::string>{"cursor not-allowed", failed, "cursor arrow", "cursor not-allowed", failed,
                                        "cursor arrow"}),
              m_ui.events);
    EXPECT_EQ("   Connection failed", m_connection.StatusText());
    EXPECT_EQ(ConnectionControlsFor(false), m_connection.Controls());
    EXPECT_EQ(4, m_connection.Settings().PortNumber()); // the lowest port that could be opened
}

TEST_F(PortSearchTest, SearchWhileConnectedClosesTheOldPortFirst) {
    StartReceiver(3);
    ASSERT_EQ(1, m_connection.SetPortAndSpeed(2, 11));
    ASSERT_EQ(1, m_connection.ConnectCommand());
    ASSERT_EQ(1, m_connection.SearchPort());
    EXPECT_EQ(3, m_connection.Settings().PortNumber());
    EXPECT_TRUE(m_port.IsOpen());
}
