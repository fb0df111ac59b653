#include "loader/event_queue_dispatcher.h"
#include "loader/serial_port.h"
#include "loader/serial_port_owner.h"
#include "platform/clock.h"
#include "platform/serial_speed.h"
#include "platform/trace.h"
#include "pseudo_terminal.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <termios.h>
#include <thread>

using namespace vorlane;
using namespace std::chrono_literals;
using vorlane::test::PseudoTerminal;

namespace {

constexpr std::uint32_t kReceiveQueue = 40960;

std::size_t entriesIn(const char* folder) {
    namespace fs = std::filesystem;
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// The port's owner, as the view is, and its dispatcher.
class SerialPortTest : public ::testing::Test, public SerialPortOwner, public OwnerDispatcher {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.valid());
        ASSERT_TRUE(port.Create(this, this, kReceiveQueue, 4096));
    }

    // Copies each batch in its delivery, as the view does.
    void OnSerialData(SerialPort& from) override {
        std::vector<std::uint8_t> batch(from.ReceiveQueueSize() + 1);
        batch.resize(from.GetReceived(batch.data()));
        batchSizes.push_back(batch.size());
        received.insert(received.end(), batch.begin(), batch.end());
        if (closeInDelivery)
            from.Close();
    }
    void OnSerialConnectionLost(SerialPort&) override { ++lostReports; }
    // Counts the deliveries the watcher posts, so a test can wait until one is held instead of pausing.
    void Post(std::function<void()> task) override {
        ++posted;
        dispatcher.Post(std::move(task));
    }
    bool WaitForPost() const {
        for (int wait = 0; wait < 3000 && posted == 0; ++wait)
            std::this_thread::sleep_for(1ms);
        return posted > 0;
    }

    bool open(std::uint32_t baud = 115200, std::uint8_t parity = 0, std::uint8_t byteSize = 8,
              std::uint8_t stopBits = 0, std::uint8_t flow = 0) {
        return port.Open(pty.slavePath(), baud, parity, byteSize, stopBits, flow);
    }

    termios deviceSettings() {
        // The port holds the device exclusively; a second descriptor of the same terminal reads its settings.
        const int fd = ::open(pty.slavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios t{};
        EXPECT_EQ(0, tcgetattr(fd, &t));
        speed = readTerminalSpeed(fd);
        ::close(fd);
        return t;
    }

    bool receiveAtLeast(std::size_t count, std::chrono::milliseconds timeout = 3000ms) {
        return dispatcher.RunUntil([&] { return received.size() >= count; }, timeout);
    }

    PseudoTerminal pty;
    EventQueueDispatcher dispatcher;
    std::vector<std::uint8_t> received;
    std::vector<std::size_t> batchSizes;
    int lostReports = 0;
    bool closeInDelivery = false;
    std::atomic<int> posted = 0;
    SerialPort port; // last, so it closes first
    std::uint32_t speed = 0;
};

} // namespace

TEST_F(SerialPortTest, MissingDeviceOrBadSettingsFailAndAClosedPortRefusesEverything) {
    EXPECT_FALSE(port.Open("/nonexistent/COM3", 115200, 0, 8, 0, 0));
    EXPECT_FALSE(port.IsOpen());
    port.Close(); // nothing happens

    std::uint8_t buffer[8];
    std::size_t count = 7;
    EXPECT_FALSE(port.Write(buffer, 1));
    EXPECT_FALSE(port.ReadQueued(buffer, sizeof buffer, count));
    EXPECT_EQ(0u, count);
    EXPECT_FALSE(port.ReadWithTimeout(buffer, sizeof buffer, count, 10));

    SerialPort uncreated;
    EXPECT_FALSE(uncreated.Open(pty.slavePath(), 115200, 0, 8, 0, 0));
    SerialPort ownerWithoutDispatcher;
    EXPECT_FALSE(ownerWithoutDispatcher.Create(this, nullptr, kReceiveQueue, 4096));

    // Bad line settings leave the port closed and the device free.
    EXPECT_FALSE(open(115200, 5));
    EXPECT_FALSE(open(115200, 0, 9));
    EXPECT_FALSE(open(0));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(SerialDevice::probe(pty.slavePath()));
}

// A port that leaks its descriptor or watcher thread would run out of both in a long session.
TEST_F(SerialPortTest, ThousandOpenCloseCyclesLeakNoDescriptorAndNoThread) {
    ASSERT_TRUE(open());
    port.Close();
    const std::size_t descriptors = entriesIn("/proc/self/fd");
    const std::size_t threads = entriesIn("/proc/self/task");
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(open()) << i;
        port.Close();
    }
    EXPECT_EQ(descriptors, entriesIn("/proc/self/fd"));
    EXPECT_EQ(threads, entriesIn("/proc/self/task"));
    EXPECT_TRUE(SerialDevice::probe(pty.slavePath()));
}

// A pseudo-terminal keeps PARODD and CMSPAR but forces 8 bits without parity; 1.5 stop bits become two.
TEST_F(SerialPortTest, LineSettingsReadBackAfterOpenAndASecondOpenKeepsThem) {
    struct Case {
        std::uint32_t baud;
        std::uint8_t parity, byteSize, stopBits, flow;
        tcflag_t parityBits, flowBits;
        bool twoStopBits;
    };
    const tcflag_t xonXoff = IXON | IXOFF;
    const Case cases[] = {
        {9600, 0, 7, 2, 0, 0, 0, true},
        {9600, 1, 7, 2, 0, PARODD, 0, true},
        {9600, 2, 7, 2, 0, 0, 0, true},
        {9600, 3, 7, 2, 0, PARODD | CMSPAR, 0, true},
        {9600, 4, 7, 2, 0, CMSPAR, 0, true},
        {14400, 0, 8, 1, kFlowDsrDtr | kFlowCtsRts | kFlowXonXoff, 0, CRTSCTS | xonXoff, true},
        {172800, 0, 8, 0, kFlowCtsRts, 0, CRTSCTS, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.baud) + " parity " + std::to_string(c.parity));
        ASSERT_TRUE(open(c.baud, c.parity, c.byteSize, c.stopBits, c.flow));
        const termios t = deviceSettings();
        EXPECT_EQ(c.parityBits, t.c_cflag & (PARODD | CMSPAR));
        EXPECT_TRUE(t.c_iflag & INPCK);
        EXPECT_EQ(c.twoStopBits, (t.c_cflag & CSTOPB) != 0);
        EXPECT_EQ(c.flowBits, (t.c_cflag & CRTSCTS) | (t.c_iflag & xonXoff));
        EXPECT_EQ(c.baud, speed);
        port.Close();
    }
    ASSERT_TRUE(open());
    EXPECT_FALSE(open(9600)); // opening an open port fails and keeps the running connection's settings
    EXPECT_TRUE(port.IsOpen());
    deviceSettings();
    EXPECT_EQ(115200u, speed);
}

TEST_F(SerialPortTest, BurstReachesTheOwnerInOrderOverSeveralDeliveries) {
    ASSERT_TRUE(open());
    std::vector<std::uint8_t> burst(100 * 1024);
    for (std::size_t i = 0; i < burst.size(); ++i)
        burst[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    std::thread sender([&] { pty.send(burst); });
    EXPECT_TRUE(receiveAtLeast(burst.size(), 5000ms));
    sender.join();

    EXPECT_EQ(burst, received);
    EXPECT_GE(batchSizes.size(), 3u);
    for (std::size_t size : batchSizes)
        EXPECT_LE(size, kReceiveQueue);
}

TEST_F(SerialPortTest, ReadWithTimeoutWaitsOnASilentLineAndReturnsWithTheFirstBytes) {
    ASSERT_TRUE(open());
    TraceCapture trace;
    std::uint8_t buffer[300];
    std::size_t count = 1;
    const std::uint64_t start = tickCountMs();
    EXPECT_FALSE(port.ReadWithTimeout(buffer, sizeof buffer, count, 500));
    const std::uint64_t elapsed = tickCountMs() - start;
    EXPECT_EQ(0u, count);
    EXPECT_GE(elapsed, 500u);
    EXPECT_LT(elapsed, 1000u);
    EXPECT_EQ("Timeout occurred", trace.text());

    // Bytes that come while it waits end the wait at once.
    std::thread sender([&] {
        std::this_thread::sleep_for(100ms);
        pty.send("ID KX70RS");
    });
    const std::uint64_t restart = tickCountMs();
    EXPECT_TRUE(port.ReadWithTimeout(buffer, sizeof buffer, count, 2000));
    EXPECT_LT(tickCountMs() - restart, 1000u);
    sender.join();
    for (std::size_t more = 0; count < 9 && port.ReadWithTimeout(buffer + count, sizeof buffer - count, more, 1000);)
        count += more;
    EXPECT_EQ("ID KX70RS", std::string(buffer, buffer + count));
    dispatcher.RunPending(100ms);
    EXPECT_TRUE(received.empty()) << "bytes read directly are not delivered again";
}

// The owner's thread is busy (as during the port search) while the watcher already holds the reply:
// a direct read takes the held bytes first, in order, and the owner does not see them afterwards.
TEST_F(SerialPortTest, DirectReadTakesTheBatchTheWatcherHolds) {
    ASSERT_TRUE(open());
    ASSERT_TRUE(pty.send("\r\nKX70RS ver 1.0\r\n"));
    ASSERT_TRUE(WaitForPost());
    ASSERT_TRUE(pty.send("tail"));

    std::uint8_t buffer[8];
    std::size_t count = 0;
    ASSERT_TRUE(port.ReadWithTimeout(buffer, sizeof buffer, count, 500));
    std::string text(buffer, buffer + count);
    ASSERT_TRUE(port.ReadQueued(buffer, sizeof buffer, count));
    text.append(buffer, buffer + count);
    EXPECT_EQ("\r\nKX70RS", text.substr(0, 8));
    EXPECT_EQ(16u, text.size());

    ASSERT_TRUE(receiveAtLeast(6));
    dispatcher.RunPending(100ms);
    EXPECT_EQ(" 1.0\r\ntail", text.substr(12) + std::string(received.begin(), received.end()));
}

TEST_F(SerialPortTest, ClosePromptlyWhileTheWatcherWaitsToDeliver) {
    ASSERT_TRUE(open());
    ASSERT_TRUE(pty.send("pending"));
    ASSERT_TRUE(WaitForPost()); // the watcher now waits for the owner, which does not run

    const std::uint64_t start = tickCountMs();
    port.Close();
    EXPECT_LT(tickCountMs() - start, 250u);
    EXPECT_FALSE(port.IsOpen());

    dispatcher.RunPending(100ms);
    EXPECT_TRUE(received.empty()) << "a delivery after Close is never handled";

    // A reopened port does not hand over the stale delivery either.
    ASSERT_TRUE(open());
    ASSERT_TRUE(pty.send("fresh"));
    ASSERT_TRUE(receiveAtLeast(5));
    EXPECT_EQ("fresh", std::string(received.begin(), received.end()));
}

TEST_F(SerialPortTest, CloseInsideTheDeliveryDoesNotDeadlock) {
    ASSERT_TRUE(open());
    closeInDelivery = true;
    ASSERT_TRUE(pty.send("bye"));
    ASSERT_TRUE(receiveAtLeast(3));
    EXPECT_FALSE(port.IsOpen());
    ASSERT_TRUE(pty.send("late"));
    dispatcher.RunPending(100ms);
    EXPECT_EQ("bye", std::string(received.begin(), received.end()));
}

TEST_F(SerialPortTest, OtherEndClosingMidStreamEndsTheWatcherWithALostReport) {
    const std::size_t threads = entriesIn("/proc/self/task");
    ASSERT_TRUE(open());
    const std::vector<std::uint8_t> first(3000, 0xA5);
    ASSERT_TRUE(pty.send(first));
    ASSERT_TRUE(receiveAtLeast(first.size()));
    std::thread sender([&] {
        pty.send(std::vector<std::uint8_t>(64 * 1024, 0x5A));
        pty.closeMaster(); // the receiver goes away while bytes are still on their way
    });

    EXPECT_TRUE(dispatcher.RunUntil([&] { return lostReports == 1; }, 3000ms));
    sender.join();
    // The terminal may discard bytes that were still in its buffers when the other end hung up.
    ASSERT_LE(received.size(), first.size() + 64 * 1024);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), received.begin()));
    EXPECT_TRUE(std::all_of(received.begin() + 3000, received.end(), [](auto b) { return b == 0x5A; }));
    for (int i = 0; i < 100 && entriesIn("/proc/self/task") != threads; ++i)
        std::this_thread::sleep_for(10ms); // the report may come just before the thread is gone
    EXPECT_EQ(threads, entriesIn("/proc/self/task")) << "the watcher has ended";
    EXPECT_TRUE(port.IsOpen()) << "open until the owner closes it";

    TraceCapture trace;
    const std::uint8_t byte = 0xCC;
    EXPECT_FALSE(port.Write(&byte, 1));
    EXPECT_EQ("[in WirteCommPort] 5 Error\n", trace.text());
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    dispatcher.RunPending(100ms);
    EXPECT_EQ(1, lostReports);
}

TEST_F(SerialPortTest, WritesArriveWholeAndInOrderFromTwoThreads) {
    ASSERT_TRUE(open());
    const std::vector<std::uint8_t> a(1028, 'a');
    const std::vector<std::uint8_t> b(1028, 'b');
    std::vector<std::uint8_t> seen;
    std::thread receiver([&] { seen = pty.receive(40 * 1028); });
    std::thread breakIn([&] {
        for (int i = 0; i < 20; ++i)
            EXPECT_TRUE(port.Write(b.data(), b.size()));
    });
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(port.Write(a.data(), a.size()));
    breakIn.join();
    receiver.join();

    ASSERT_EQ(40u * 1028u, seen.size());
    for (std::size_t i = 0; i < seen.size(); i += 1028)
        EXPECT_EQ(std::vector<std::uint8_t>(1028, seen[i]),
                  std::vector<std::uint8_t>(seen.begin() + i, seen.begin() + i + 1028));
}

TEST_F(SerialPortTest, CloseEndsAWriteThatWaitsForTheDriver) {
    ASSERT_TRUE(open());
    TraceCapture trace;
    std::atomic<bool> writerFailed = false;
    std::thread writer([&] {
        const std::vector<std::uint8_t> block(4096, 0x78);
        for (int i = 0; i < 1000 && !writerFailed; ++i)
            writerFailed = !port.Write(block.data(), block.size()); // nobody reads: the driver fills up
    });
    std::this_thread::sleep_for(300ms);
    const std::uint64_t start = tickCountMs();
    port.Close();
    writer.join();
    EXPECT_LT(tickCountMs() - start, 500u);
    EXPECT_TRUE(writerFailed);
    EXPECT_TRUE(trace.contains("GetLastError() != ERROR_IO_INCOMPLETE\n"));
}
