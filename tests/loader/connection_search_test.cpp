#include "connection_fixture.h"
#include "platform/serial_device.h"
#include "pseudo_terminal.h"
#include "sim/simulated_receiver.h"

#include <thread>
#include <unistd.h>

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::test::PseudoTerminal;
using namespace std::chrono_literals;

namespace {

// Only the pauses around the identification window matter to a receiver; the others are left out for speed.
constexpr ConnectionPauses kSearchPauses{0, 0, 200, 500};
constexpr std::size_t kWakeUpLength = 25;

class PortSearchTest : public ConnectionPieces {
protected:
    void SetUp() override {
        ConnectionPieces::SetUp();
        connection.Start();
    }

    SimulatedReceiver& StartReceiver(int portNumber, bool identifies = true) {
        SimulatorConfig config;
        config.linkPath = ports.portPath(portNumber);
        config.behaviour.faults.withoutIdentification = !identifies;
        receivers.push_back(std::make_unique<SimulatedReceiver>(config));
        EXPECT_EQ(1, receivers.back()->start());
        return *receivers.back();
    }

    std::vector<std::unique_ptr<SimulatedReceiver>> receivers;
    Connection connection{port, store, texts, ui, kSearchPauses};
};

} // namespace

TEST_F(PortSearchTest, HighestAnsweringPortIsFoundFirst) {
    SimulatedReceiver& com2 = StartReceiver(2);
    SimulatedReceiver& com5 = StartReceiver(5);

    TraceCapture trace;
    ASSERT_EQ(1, connection.AutoConnectCommand());
    EXPECT_EQ(5, connection.Settings().PortNumber());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_FALSE(SerialDevice::probe(ports.portPath(5))); // held by the open port
    EXPECT_TRUE(trace.contains("Detect port : 5\n"));
    EXPECT_TRUE(trace.contains("buf : \r\nKX70RS"));
    EXPECT_TRUE(trace.contains("OK port!!!"));
    EXPECT_FALSE(trace.contains("Detect port : 2\n"));
    EXPECT_EQ((std::vector<std::string>{"cursor not-allowed", "message1 COM port searching OK!", "cursor arrow"}),
              ui.events);
    EXPECT_EQ("   Connected", connection.StatusText());
    EXPECT_EQ(ConnectionControlsFor(true), connection.Controls());

    // The search's wake-up, then the Connect command's own.
    EXPECT_EQ(2 * kWakeUpLength, com5.receivedBytes().size());
    EXPECT_TRUE(com2.receivedBytes().empty());
}

TEST_F(PortSearchTest, PortAnsweringWithoutIdentificationIsClosedAndSkipped) {
    StartReceiver(2);
    SimulatedReceiver& silentOne = StartReceiver(5, false);

    TraceCapture trace;
    ASSERT_EQ(1, connection.SearchPort());
    EXPECT_EQ(2, connection.Settings().PortNumber());
    EXPECT_TRUE(trace.contains("Detect port : 5\n"));
    EXPECT_TRUE(trace.contains("Detect port : 2\n"));
    EXPECT_EQ(kWakeUpLength, silentOne.receivedBytes().size());
    EXPECT_FALSE(silentOne.sentBytes().empty()); // it did answer, just not as a receiver of ours
    EXPECT_TRUE(SerialDevice::probe(ports.portPath(5)));
    EXPECT_FALSE(SerialDevice::probe(ports.portPath(2)));
}

// Without any port the port index stays; with only a port that gives no identification the search ends there,
// failed and closed.
TEST_F(PortSearchTest, NoReceiverFailsWithThePortClosed) {
    ASSERT_EQ(1, connection.SetPortAndSpeed(9, 11));
    EXPECT_EQ(0, connection.SearchPort());
    EXPECT_EQ(10, connection.Settings().PortNumber());

    StartReceiver(4, false);
    EXPECT_EQ(0, connection.AutoConnectCommand());
    EXPECT_FALSE(port.IsOpen());
    // The search alone, then the command: never a message box.
    const std::string failed = "message1 COM port searching fail!";
    EXPECT_EQ((std::vector<std::string>{"cursor not-allowed", failed, "cursor arrow", "cursor not-allowed", failed,
                                        "cursor arrow"}),
              ui.events);
    EXPECT_EQ("   Connection failed", connection.StatusText());
    EXPECT_EQ(ConnectionControlsFor(false), connection.Controls());
    EXPECT_EQ(4, connection.Settings().PortNumber()); // the lowest port that could be opened
}

TEST_F(PortSearchTest, SearchWhileConnectedClosesTheOldPortFirst) {
    StartReceiver(3);
    ASSERT_EQ(1, connection.SetPortAndSpeed(2, 11));
    ASSERT_EQ(1, connection.ConnectCommand());
    ASSERT_EQ(1, connection.SearchPort());
    EXPECT_EQ(3, connection.Settings().PortNumber());
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(PortSearchTest, IdentificationArrivingInPiecesIsFound) {
    PseudoTerminal receiver;
    ASSERT_EQ(0, symlink(receiver.slavePath().c_str(), ports.portPath(1).c_str()));
    Connection slowLine(port, store, texts, ui, ConnectionPauses{0, 0, 0, 500});
    slowLine.Start();
    // A slow line: the text shows up in two parts, the second well after the first was read.
    std::thread answer([&] {
        // Reads on the master fail until the search opens the port, so keep trying for a while.
        std::size_t woken = 0;
        for (int attempt = 0; attempt < 200 && woken < kWakeUpLength; ++attempt) {
            woken += receiver.receive(kWakeUpLength - woken, 10).size();
            std::this_thread::sleep_for(10ms);
        }
        std::this_thread::sleep_for(50ms);
        receiver.send("\r\nKX7");
        std::this_thread::sleep_for(150ms);
        receiver.send("0RS digital satellite receiver\r\n");
    });
    const int found = slowLine.SearchPort();
    answer.join();
    EXPECT_EQ(1, found);
    EXPECT_EQ(1, slowLine.Settings().PortNumber());
}
