#include "connection_fixture.h"
#include "loader/connection_settings.h"
#include "platform/serial_device.h"
#include "platform/serial_speed.h"
#include "pseudo_terminal.h"
#include "sim/simulated_receiver.h"

#include <cstdlib>
#include <unistd.h>

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::testing::PseudoTerminal;
using namespace std::chrono_literals;

namespace {

void Store(MemorySettingsStore& store, const char* name, std::uint32_t value) {
    ASSERT_EQ(1, store.WriteNumber(kSerialSettingsKey, name, value));
}

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
        ASSERT_TRUE(m_pty.Valid());
        m_connection.SetTransferControl(&m_transfer);
    }

    void LinkPty(int portNumber) {
        ASSERT_EQ(0, symlink(m_pty.SlavePath().c_str(), m_ports.PortPath(portNumber).c_str()));
    }

    PseudoTerminal m_pty;
    RecordingTransfer m_transfer;
    Connection m_connection{m_port, mStore, m_texts, m_ui, ConnectionPauses{0, 0, 0, 0}};
};

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
        EXPECT_TRUE(m_receivers.back()->Start());
        return *m_receivers.back();
    }

    std::vector<std::unique_ptr<SimulatedReceiver>> m_receivers;
    Connection m_connection{m_port, mStore, m_texts, m_ui, kSearchPauses};
};

} // namespace

TEST_F(ConnectionTest, StartsDisconnectedRefusesValuesOutsideTheListsAndStoresAllEightOnceAtTheEnd) {
    m_connection.Start();
    EXPECT_EQ("   Disconnected", m_connection.StatusText());
    EXPECT_EQ(kDisconnectedControls, m_connection.Controls());
    EXPECT_EQ(0, mStore.writes);                       // nothing is written at the start
    EXPECT_EQ(0, m_connection.SetPortAndSpeed(16, 0)); // outside their lists
    EXPECT_EQ(0, m_connection.SetPortAndSpeed(0, 16));

    m_connection.Finish();
    EXPECT_EQ(8, mStore.writes);
    EXPECT_EQ(8u, mStore.ValueCount());
    EXPECT_EQ(3u, mStore.ReadNumber(kSerialSettingsKey, "DataBit", 0));
    EXPECT_EQ(11u, mStore.ReadNumber(kSerialSettingsKey, "Bart", 0));
    EXPECT_EQ(5000u, mStore.ReadNumber(kSerialSettingsKey, "Timeout2", 0));
    EXPECT_EQ(0u, mStore.ReadNumber(kSerialSettingsKey, "Comport", 99));

    m_connection.Finish();
    EXPECT_EQ(8, mStore.writes);
    EXPECT_EQ(1, m_connection.SetPortAndSpeed(15, 0));
    EXPECT_EQ(16, m_connection.Settings().PortNumber());
}

TEST_F(ConnectionTest, DestructionStoresOnlyWhatWasRead) {
    ASSERT_EQ(1, mStore.WriteNumber(kSerialSettingsKey, "Bart", 6));
    mStore.writes = 0;
    { Connection neverStarted(m_port, mStore, m_texts, m_ui); }
    EXPECT_EQ(0, mStore.writes);
    {
        Connection started(m_port, mStore, m_texts, m_ui);
        started.Start();
        ASSERT_EQ(1, started.SetPortAndSpeed(2, 13));
    }
    EXPECT_EQ(8, mStore.writes);
    EXPECT_EQ(2u, mStore.ReadNumber(kSerialSettingsKey, "Comport", 0));
    EXPECT_EQ(13u, mStore.ReadNumber(kSerialSettingsKey, "Bart", 0));
}

TEST_F(ConnectionTest, ConnectOpensTheChosenPortAtItsSpeedAndWakesTheReceiverUntilDisconnect) {
    m_connection.Start();
    ASSERT_EQ(1, m_connection.SetPortAndSpeed(2, 6)); // COM3 at 9600
    // Before it exists the port is named and reported as failed.
    EXPECT_EQ(0, m_connection.ConnectCommand());
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_EQ(std::vector<std::string>{"box Can't use Comport #3"}, m_ui.events);
    EXPECT_EQ("   Connection failed", m_connection.StatusText());
    EXPECT_EQ(kDisconnectedControls, m_connection.Controls());
    EXPECT_EQ(0, m_transfer.idleCalls);

    LinkPty(3);
    m_ui.events.clear();
    TraceCapture trace;
    ASSERT_EQ(1, m_connection.ConnectCommand());
    EXPECT_TRUE(m_port.IsOpen());
    EXPECT_TRUE(trace.Contains("m_infPort.m_Comport = 3\n"));
    EXPECT_TRUE(trace.Contains("Connected"));
    EXPECT_EQ("   Connected", m_connection.StatusText());
    EXPECT_EQ(kConnectedControls, m_connection.Controls());
    EXPECT_EQ(1, m_transfer.idleCalls);
    EXPECT_EQ(1, m_transfer.monitorClears);
    EXPECT_TRUE(m_ui.events.empty());

    // The port holds the terminal exclusively; a second descriptor can still read its speed.
    const int fd = ::open(m_pty.SlavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    EXPECT_EQ(9600u, ReadTerminalSpeed(fd));
    ::close(fd);

    EXPECT_EQ(WakeUpBytes(), m_pty.Receive(25));

    m_connection.DisconnectCommand();
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(trace.Contains("Disconnected"));
    EXPECT_EQ("   Disconnected", m_connection.StatusText());
    EXPECT_EQ(kDisconnectedControls, m_connection.Controls());
    EXPECT_EQ(1, m_transfer.breakInStops);
    EXPECT_EQ(2, m_transfer.idleCalls); // once by the connect, once by the disconnect

    ASSERT_EQ(1, m_connection.ConnectPort());
    m_connection.Finish();
    EXPECT_FALSE(m_port.IsOpen());
}

// What a first start, an unreadable store and stored values outside their lists or below the Timeout2 minimum give.
TEST(SerialSettings, DefaultsAndFallBacks) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, std::uint32_t>> stored;
        bool available;
        std::uint32_t bart, flowCtrl, baudRate;
        std::uint8_t byteSize;
        std::int32_t timeout2;
    };
    const Case cases[] = {
        {"first start", {}, true, 11, 0, 115200, 8, 5000},
        {"unreadable store", {}, false, 0, 0, 110, 5, 5000},
        {"outside the lists", {{"Comport", 16}, {"Bart", 16}, {"bFlowCtrl", 0x105}}, true, 11, 5, 115200, 8, 5000},
        {"Timeout2 1000", {{"Timeout2", 1000}}, true, 11, 0, 115200, 8, 5000},
        {"Timeout2 4999", {{"Timeout2", 4999}}, true, 11, 0, 115200, 8, 5000},
        {"Timeout2 5000", {{"Timeout2", 5000}}, true, 11, 0, 115200, 8, 5000},
        {"Timeout2 8000", {{"Timeout2", 8000}}, true, 11, 0, 115200, 8, 8000},
        {"Timeout2 -1", {{"Timeout2", 0xFFFFFFFFu}}, true, 11, 0, 115200, 8, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemorySettingsStore store;
        for (const auto& [name, value] : c.stored)
            Store(store, name, value);
        store.SetAvailable(c.available);
        const SerialSettings settings = LoadSerialSettings(store);
        EXPECT_EQ(0u, settings.comport);
        EXPECT_EQ(1, settings.PortNumber());
        EXPECT_EQ(c.bart, settings.bart);
        EXPECT_EQ(c.flowCtrl, settings.flowCtrl);
        EXPECT_EQ(c.timeout2, settings.timeout2);
        EXPECT_EQ(0, settings.timeout1);
        const SerialLineSettings line = settings.Line();
        EXPECT_EQ(c.baudRate, line.baudRate);
        EXPECT_EQ(c.byteSize, line.byteSize);
        EXPECT_EQ(kParityNone, line.parity);
        EXPECT_EQ(kOneStopBit, line.stopBits);
        EXPECT_EQ(c.flowCtrl, line.flowControl);
        EXPECT_EQ(c.available ? 1 : 0, StoreSerialSettings(store, settings));
    }
}

TEST(SerialSettings, StoredValuesAreUsedAndWrittenBackUnchanged) {
    MemorySettingsStore store;
    const std::pair<const char*, std::uint32_t> stored[] = {{"Comport", 4},   {"Bart", 6},       {"DataBit", 0},
                                                            {"ParityBit", 3}, {"StopBit", 2},    {"bFlowCtrl", 7},
                                                            {"Timeout1", 30}, {"Timeout2", 9000}};
    for (const auto& [name, value] : stored)
        Store(store, name, value);

    ASSERT_EQ(1, store.WriteText(kSerialSettingsKey, "Devices/COM2", "/dev/ttyAMA0"));
    if (!std::getenv("VORLANE_SERIAL_DIR")) { // the folder would win over the stored path
        EXPECT_EQ("/dev/ttyAMA0", StoredSerialDevicePath(store, 2));
    }

    const SerialSettings settings = LoadSerialSettings(store);
    const SerialLineSettings line = settings.Line();
    EXPECT_EQ(5, settings.PortNumber());
    EXPECT_EQ(9600u, line.baudRate);
    EXPECT_EQ(5, line.byteSize);
    EXPECT_EQ(kParityMark, line.parity);
    EXPECT_EQ(kTwoStopBits, line.stopBits);
    EXPECT_EQ(kFlowDsrDtr | kFlowCtsRts | kFlowXonXoff, line.flowControl);
    EXPECT_EQ(30, settings.timeout1);

    MemorySettingsStore copy;
    ASSERT_EQ(1, StoreSerialSettings(copy, settings));
    EXPECT_EQ(8u, copy.ValueCount());
    for (const auto& [name, value] : stored)
        EXPECT_EQ(value, copy.ReadNumber(kSerialSettingsKey, name, 0)) << name;
    EXPECT_EQ(0u, LineSpeedOfIndex(kLineSpeedCount)); // no speed past the list
}

TEST_F(PortSearchTest, HighestAnsweringPortIsFoundFirst) {
    SimulatedReceiver& com2 = StartReceiver(2);
    SimulatedReceiver& com5 = StartReceiver(5);
    // Connected already: the search closes the port first, or it could not probe it.
    ASSERT_EQ(1, m_connection.SetPortAndSpeed(4, 11));
    ASSERT_EQ(1, m_connection.ConnectCommand());
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

    // The first Connect command's wake-up, the search's, then the command's own.
    EXPECT_EQ(3 * kWakeUpLength, com5.ReceivedBytes().size());
    EXPECT_TRUE(com2.ReceivedBytes().empty());
}

// The receiver found prints its identification in pieces, read at once after the wake-up and then until the
// text is whole.
TEST_F(PortSearchTest, PortAnsweringWithoutIdentificationIsClosedAndSkipped) {
    StartReceiver(2, true, 3);
    SimulatedReceiver& silentOne = StartReceiver(5, false);
    Connection slowLine(m_port, mStore, m_texts, m_ui, ConnectionPauses{0, 0, 0, 500});
    slowLine.Start();

    TraceCapture trace;
    ASSERT_EQ(1, slowLine.SearchPort());
    EXPECT_EQ(2, slowLine.Settings().PortNumber());
    EXPECT_TRUE(trace.Contains("Detect port : 5\n"));
    EXPECT_TRUE(trace.Contains("Detect port : 2\n"));
    EXPECT_EQ(kWakeUpLength, silentOne.ReceivedBytes().size());
    EXPECT_TRUE(SerialDevice::Probe(m_ports.PortPath(5)));
    EXPECT_FALSE(SerialDevice::Probe(m_ports.PortPath(2)));
}

// Without any port the index stays; with only a port that gives no identification the search fails there, closed.
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
