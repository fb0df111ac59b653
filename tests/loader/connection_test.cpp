#include "connection_fixture.h"
#include "platform/serial_speed.h"
#include "pseudo_terminal.h"

#include <unistd.h>

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::test::PseudoTerminal;

namespace {

class RecordingTransfer : public TransferControl {
public:
    void SetTransferIdle() override { ++idleCalls; }
    bool IsTransferIdle() const override { return true; }
    void ClearMonitorLines() override { ++monitorClears; }
    void StopBreakIn() override { ++breakInStops; }

    int idleCalls = 0;
    int monitorClears = 0;
    int breakInStops = 0;
};

// The enabled commands of the Connect Status menu and the buttons, closed and open.
constexpr ConnectionControls kDisconnectedControls{
    .autoConnect = true, .connect = true, .disconnect = false, .set = true, .upload = false, .download = false};
constexpr ConnectionControls kConnectedControls{
    .autoConnect = true, .connect = false, .disconnect = true, .set = false, .upload = true, .download = true};

class ConnectionTest : public ConnectionPieces {
protected:
    void SetUp() override {
        ConnectionPieces::SetUp();
        ASSERT_TRUE(pty.valid());
        connection.SetTransferControl(&transfer);
    }

    void LinkPty(int portNumber) { ASSERT_EQ(0, symlink(pty.slavePath().c_str(), ports.portPath(portNumber).c_str())); }

    PseudoTerminal pty;
    RecordingTransfer transfer;
    Connection connection{port, store, texts, ui, ConnectionPauses{0, 0, 0, 0}};
};

} // namespace

TEST_F(ConnectionTest, StartsDisconnectedRefusesValuesOutsideTheListsAndStoresAllEightOnceAtTheEnd) {
    connection.Start();
    EXPECT_EQ("   Disconnected", connection.StatusText());
    EXPECT_EQ(kDisconnectedControls, connection.Controls());
    EXPECT_EQ(0, store.writes);                      // nothing is written at the start
    EXPECT_EQ(0, connection.SetPortAndSpeed(16, 0)); // outside their lists
    EXPECT_EQ(0, connection.SetPortAndSpeed(0, 16));

    connection.Finish();
    EXPECT_EQ(8, store.writes);
    EXPECT_EQ(8u, store.ValueCount());
    EXPECT_EQ(11u, store.ReadNumber(kSerialSettingsKey, "Bart", 0));
    EXPECT_EQ(3u, store.ReadNumber(kSerialSettingsKey, "DataBit", 0));
    EXPECT_EQ(5000u, store.ReadNumber(kSerialSettingsKey, "Timeout2", 0));
    EXPECT_EQ(0u, store.ReadNumber(kSerialSettingsKey, "Comport", 99));

    connection.Finish();
    EXPECT_EQ(8, store.writes);
    EXPECT_EQ(1, connection.SetPortAndSpeed(15, 0));
    EXPECT_EQ(16, connection.Settings().PortNumber());
}

TEST_F(ConnectionTest, DestructionStoresOnlyWhatWasRead) {
    ASSERT_EQ(1, store.WriteNumber(kSerialSettingsKey, "Bart", 6));
    store.writes = 0;
    { Connection neverStarted(port, store, texts, ui); }
    EXPECT_EQ(0, store.writes);
    {
        Connection started(port, store, texts, ui);
        started.Start();
        ASSERT_EQ(1, started.SetPortAndSpeed(2, 13));
    }
    EXPECT_EQ(8, store.writes);
    EXPECT_EQ(2u, store.ReadNumber(kSerialSettingsKey, "Comport", 0));
    EXPECT_EQ(13u, store.ReadNumber(kSerialSettingsKey, "Bart", 0));
}

TEST_F(ConnectionTest, ConnectOpensTheChosenPortAtItsSpeedAndWakesTheReceiverUntilDisconnect) {
    connection.Start();
    ASSERT_EQ(1, connection.SetPortAndSpeed(2, 6)); // COM3 at 9600
    // Before it exists the port is named and reported as failed.
    EXPECT_EQ(0, connection.ConnectCommand());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(std::vector<std::string>{"box Can't use Comport #3"}, ui.events);
    EXPECT_EQ("   Connection failed", connection.StatusText());
    EXPECT_EQ(kDisconnectedControls, connection.Controls());
    EXPECT_EQ(0, transfer.idleCalls);

    LinkPty(3);
    ui.events.clear();
    TraceCapture trace;
    ASSERT_EQ(1, connection.ConnectCommand());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(trace.contains("m_infPort.m_Comport = 3\n"));
    EXPECT_TRUE(trace.contains("Connected"));
    EXPECT_EQ("   Connected", connection.StatusText());
    EXPECT_EQ(kConnectedControls, connection.Controls());
    EXPECT_EQ(1, transfer.idleCalls);
    EXPECT_EQ(1, transfer.monitorClears);
    EXPECT_TRUE(ui.events.empty());

    // The port holds the terminal exclusively; a second descriptor can still read its speed. (A pseudo-terminal
    // always reports 8-bit characters, so the byte size is checked on the settings instead.)
    const int fd = ::open(pty.slavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(9600u, readTerminalSpeed(fd));
    ::close(fd);

    EXPECT_EQ(WakeUpBytes(), pty.receive(25));

    // Disconnect closes, stops the break-in and returns to idle.
    connection.DisconnectCommand();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(trace.contains("Disconnected"));
    EXPECT_EQ("   Disconnected", connection.StatusText());
    EXPECT_EQ(kDisconnectedControls, connection.Controls());
    EXPECT_EQ(1, transfer.breakInStops);
    EXPECT_EQ(2, transfer.idleCalls); // once by the connect, once by the disconnect

    // Finish closes an open port.
    ASSERT_EQ(1, connection.ConnectPort());
    connection.Finish();
    EXPECT_FALSE(port.IsOpen());
}
