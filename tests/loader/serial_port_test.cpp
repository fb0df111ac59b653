#include "loader/event_queue_dispatcher.h"
#include "loader/receive_handoff.h"
#include "loader/serial_port.h"
#include "loader/serial_port_owner.h"
#include "platform/clock.h"
#include "platform/serial_speed.h"
#include "platform/trace.h"
#include "pseudo_terminal.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <termios.h>
#include <thread>

using namespace vorlane;
using namespace std::chrono_literals;
using vorlane::testing::PseudoTerminal;

namespace {

constexpr std::uint32_t kReceiveQueue = 40960;

std::size_t EntriesIn(const char* folder) {
    namespace fs = std::filesystem;
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// The port's owner, as the view is, and its dispatcher.
class SerialPortTest : public ::testing::Test, public SerialPortOwner, public OwnerDispatcher {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_pty.Valid());
        ASSERT_TRUE(m_port.Create(this, this, kReceiveQueue, 4096));
    }

    // Copies each batch in its delivery, as the view does.
    void OnSerialData(SerialPort& from) override {
        std::vector<std::uint8_t> batch(from.ReceiveQueueSize() + 1);
        batch.resize(from.GetReceived(batch.data()));
        m_batchSizes.push_back(batch.size());
        m_received.insert(m_received.end(), batch.begin(), batch.end());
        if (m_closeInDelivery)
            from.Close();
    }
    void OnSerialConnectionLost(SerialPort&) override { ++m_lostReports; }
    // Counts the deliveries the watcher posts, so a test can wait until one is held instead of pausing.
    void Post(std::function<void()> task) override {
        ++m_posted;
        m_dispatcher.Post(std::move(task));
    }
    bool WaitForPost() const {
        for (int wait = 0; wait < 3000 && m_posted == 0; ++wait)
            std::this_thread::sleep_for(1ms);
        return m_posted > 0;
    }

    bool Open(std::uint32_t baud = 115200, std::uint8_t parity = 0, std::uint8_t byteSize = 8,
              std::uint8_t stopBits = 0, std::uint8_t flow = 0) {
        return m_port.Open(m_pty.SlavePath(), baud, parity, byteSize, stopBits, flow);
    }

    termios DeviceSettings() {
        // The port holds the device exclusively; a second descriptor of the same terminal reads its settings.
        const int fd = ::open(m_pty.SlavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios t{};
        EXPECT_EQ(0, tcgetattr(fd, &t));
        m_speed = ReadTerminalSpeed(fd);
        ::close(fd);
        return t;
    }

    bool ReceiveAtLeast(std::size_t count, std::chrono::milliseconds timeout = 3000ms) {
        return m_dispatcher.RunUntil([&] { return m_received.size() >= count; }, timeout);
    }

    PseudoTerminal m_pty;
    EventQueueDispatcher m_dispatcher;
    std::vector<std::uint8_t> m_received;
    std::vector<std::size_t> m_batchSizes;
    int m_lostReports = 0;
    bool m_closeInDelivery = false;
    std::atomic<int> m_posted = 0;
    SerialPort m_port; // last, so it closes first
    std::uint32_t m_speed = 0;
};

} // namespace

TEST_F(SerialPortTest, MissingDeviceOrBadSettingsFailAndAClosedPortRefusesEverything) {
    EXPECT_FALSE(m_port.Open("/nonexistent/COM3", 115200, 0, 8, 0, 0));
    EXPECT_FALSE(m_port.IsOpen());
    m_port.Close(); // nothing happens

    std::uint8_t buffer[8];
    std::size_t count = 7;
    EXPECT_FALSE(m_port.Write(buffer, 1));
    EXPECT_FALSE(m_port.ReadQueued(buffer, sizeof buffer, count));
    EXPECT_EQ(0u, count);
    EXPECT_FALSE(m_port.ReadWithTimeout(buffer, sizeof buffer, count, 10));

    SerialPort uncreated;
    EXPECT_FALSE(uncreated.Open(m_pty.SlavePath(), 115200, 0, 8, 0, 0));
    SerialPort ownerWithoutDispatcher;
    EXPECT_FALSE(ownerWithoutDispatcher.Create(this, nullptr, kReceiveQueue, 4096));

    // Bad line settings leave the port closed and the device free.
    EXPECT_FALSE(Open(115200, 5));
    EXPECT_FALSE(Open(115200, 0, 9));
    EXPECT_FALSE(Open(0));
    EXPECT_FALSE(m_port.IsOpen());
    EXPECT_TRUE(SerialDevice::Probe(m_pty.SlavePath()));
}

// A port that leaks its descriptor or watcher thread would run out of both in a long session.
TEST_F(SerialPortTest, ThousandOpenCloseCyclesLeakNoDescriptorAndNoThread) {
    ASSERT_TRUE(Open());
    m_port.Close();
    const std::size_t descriptors = EntriesIn("/proc/self/fd");
    const std::size_t threads = EntriesIn("/proc/self/task");
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(Open()) << i;
        m_port.Close();
    }
    EXPECT_EQ(descriptors, EntriesIn("/proc/self/fd"));
    EXPECT_EQ(threads, EntriesIn("/proc/self/task"));
    EXPECT_TRUE(SerialDevice::Probe(m_pty.SlavePath()));
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
        ASSERT_TRUE(Open(c.baud, c.parity, c.byteSize, c.stopBits, c.flow));
        const termios t = DeviceSettings();
        EXPECT_EQ(c.parityBits, t.c_cflag & (PARODD | CMSPAR));
        EXPECT_TRUE(t.c_iflag & INPCK);
        EXPECT_EQ(c.twoStopBits, (t.c_cflag & CSTOPB) != 0);
        EXPECT_EQ(c.flowBits, (t.c_cflag & CRTSCTS) | (t.c_iflag & xonXoff));
        EXPECT_EQ(c.baud, m_speed);
        m_port.Close();
    }
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Open(9600)); // opening an open port fails and keeps the running connection's settings
    EXPECT_TRUE(m_port.IsOpen());
    DeviceSettings();
    EXPECT_EQ(115200u, m_speed);
}

TEST_F(SerialPortTest, ReadWithTimeoutWaitsOnASilentLineAndReturnsWithTheFirstBytes) {
    ASSERT_TRUE(Open());
    TraceCapture trace;
    std::uint8_t buffer[300];
    std::size_t count = 1;
    const std::uint64_t start = TickCountMs();
    EXPECT_FALSE(m_port.ReadWithTimeout(buffer, sizeof buffer, count, 500));
    const std::uint64_t elapsed = TickCountMs() - start;
    EXPECT_EQ(0u, count);
    EXPECT_GE(elapsed, 500u);
    EXPECT_LT(elapsed, 1000u);
    EXPECT_EQ("Timeout occurred", trace.Text());

    // Bytes that come while it waits end the wait at once.
    std::thread sender([&] {
        std::this_thread::sleep_for(100ms);
        m_pty.Send("ID KX70RS");
    });
    const std::uint64_t restart = TickCountMs();
    EXPECT_TRUE(m_port.ReadWithTimeout(buffer, sizeof buffer, count, 2000));
    EXPECT_LT(TickCountMs() - restart, 1000u);
    sender.join();
    for (std::size_t more = 0; count < 9 && m_port.ReadWithTimeout(buffer + count, sizeof buffer - count, more, 1000);)
        count += more;
    EXPECT_EQ("ID KX70RS", std::string(buffer, buffer + count));
    m_dispatcher.RunPending(100ms);
    EXPECT_TRUE(m_received.empty()) << "bytes read directly are not delivered again";
}

// The owner is busy (as in the port search) while the watcher holds the reply: a direct read takes it, in order.
TEST_F(SerialPortTest, DirectReadTakesTheBatchTheWatcherHolds) {
    ASSERT_TRUE(Open());
    ASSERT_TRUE(m_pty.Send("\r\nKX70RS ver 1.0\r\n"));
    ASSERT_TRUE(WaitForPost());
    ASSERT_TRUE(m_pty.Send("tail"));

    std::uint8_t buffer[8];
    std::size_t count = 0;
    ASSERT_TRUE(m_port.ReadWithTimeout(buffer, sizeof buffer, count, 500));
    std::string text(buffer, buffer + count);
    ASSERT_TRUE(m_port.ReadQueued(buffer, sizeof buffer, count));
    text.append(buffer, buffer + count);
    EXPECT_EQ("\r\nKX70RS", text.substr(0, 8));
    EXPECT_EQ(16u, text.size());

    ASSERT_TRUE(ReceiveAtLeast(6));
    m_dispatcher.RunPending(100ms);
    EXPECT_EQ(" 1.0\r\ntail", text.substr(12) + std::string(m_received.begin(), m_received.end()));
}

TEST_F(SerialPortTest, ClosePromptlyWhileTheWatcherWaitsToDeliverOrInsideTheDelivery) {
    ASSERT_TRUE(Open());
    ASSERT_TRUE(m_pty.Send("pending"));
    ASSERT_TRUE(WaitForPost()); // the watcher now waits for the owner, which does not run

    const std::uint64_t start = TickCountMs();
    m_port.Close();
    EXPECT_LT(TickCountMs() - start, 250u);
    EXPECT_FALSE(m_port.IsOpen());

    m_dispatcher.RunPending(100ms);
    EXPECT_TRUE(m_received.empty()) << "a delivery after Close is never handled";

    // A reopened port does not hand over the stale delivery either.
    ASSERT_TRUE(Open());
    ASSERT_TRUE(m_pty.Send("fresh"));
    ASSERT_TRUE(ReceiveAtLeast(5));

    // A close inside the delivery does not deadlock, and nothing is delivered after it.
    m_closeInDelivery = true;
    ASSERT_TRUE(m_pty.Send("bye"));
    ASSERT_TRUE(ReceiveAtLeast(8));
    EXPECT_FALSE(m_port.IsOpen());
    ASSERT_TRUE(m_pty.Send("late"));
    m_dispatcher.RunPending(100ms);
    EXPECT_EQ("freshbye", std::string(m_received.begin(), m_received.end()));
}

// A burst arrives whole, in order, in several deliveries; a hang-up in the next one ends the watcher with a report.
TEST_F(SerialPortTest, BurstReachesTheOwnerInOrderAndTheOtherEndClosingMidStreamEndsTheWatcher) {
    const std::size_t threads = EntriesIn("/proc/self/task");
    ASSERT_TRUE(Open());
    std::vector<std::uint8_t> first(100 * 1024);
    for (std::size_t i = 0; i < first.size(); ++i)
        first[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    std::thread burst([&] { m_pty.Send(first); });
    EXPECT_TRUE(ReceiveAtLeast(first.size(), 5000ms));
    burst.join();
    EXPECT_EQ(first, m_received);
    EXPECT_GE(m_batchSizes.size(), 3u);
    for (std::size_t size : m_batchSizes)
        EXPECT_LE(size, kReceiveQueue);

    std::thread sender([&] {
        m_pty.Send(std::vector<std::uint8_t>(64 * 1024, 0x5A));
        m_pty.CloseMaster(); // the receiver goes away while bytes are still on their way
    });

    EXPECT_TRUE(m_dispatcher.RunUntil([&] { return m_lostReports == 1; }, 3000ms));
    sender.join();
    // The terminal may discard bytes that were still in its buffers when the other end hung up.
    ASSERT_LE(m_received.size(), first.size() + 64 * 1024);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), m_received.begin()));
    EXPECT_TRUE(std::all_of(m_received.begin() + static_cast<std::ptrdiff_t>(first.size()), m_received.end(),
                            [](auto b) { return b == 0x5A; }));
    for (int i = 0; i < 100 && EntriesIn("/proc/self/task") != threads; ++i)
        std::this_thread::sleep_for(10ms); // the report may come just before the thread is gone
    EXPECT_EQ(threads, EntriesIn("/proc/self/task")) << "the watcher has ended";
    EXPECT_TRUE(m_port.IsOpen()) << "open until the owner closes it";

    TraceCapture trace;
    const std::uint8_t byte = 0xCC;
    EXPECT_FALSE(m_port.Write(&byte, 1));
    EXPECT_EQ("[in WirteCommPort] 5 Error\n", trace.Text());
    m_port.Close();
    EXPECT_FALSE(m_port.IsOpen());
    m_dispatcher.RunPending(100ms);
    EXPECT_EQ(1, m_lostReports);
}

TEST_F(SerialPortTest, WritesArriveWholeAndInOrderFromTwoThreads) {
    ASSERT_TRUE(Open());
    const std::vector<std::uint8_t> a(1028, 'a');
    const std::vector<std::uint8_t> b(1028, 'b');
    std::vector<std::uint8_t> seen;
    std::thread receiver([&] { seen = m_pty.Receive(40 * 1028); });
    std::thread breakIn([&] {
        for (int i = 0; i < 20; ++i)
            EXPECT_TRUE(m_port.Write(b.data(), b.size()));
    });
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(m_port.Write(a.data(), a.size()));
    breakIn.join();
    receiver.join();

    ASSERT_EQ(40u * 1028u, seen.size());
    for (std::size_t i = 0; i < seen.size(); i += 1028)
        EXPECT_EQ(std::vector<std::uint8_t>(1028, seen[i]),
                  std::vector<std::uint8_t>(seen.begin() + i, seen.begin() + i + 1028));
}

TEST_F(SerialPortTest, CloseEndsAWriteThatWaitsForTheDriver) {
    ASSERT_TRUE(Open());
    TraceCapture trace;
    std::atomic<bool> writerFailed = false;
    std::thread writer([&] {
        const std::vector<std::uint8_t> block(4096, 0x78);
        for (int i = 0; i < 1000 && !writerFailed; ++i)
            writerFailed = !m_port.Write(block.data(), block.size()); // nobody reads: the driver fills up
    });
    std::this_thread::sleep_for(300ms);
    const std::uint64_t start = TickCountMs();
    m_port.Close();
    writer.join();
    EXPECT_LT(TickCountMs() - start, 500u);
    EXPECT_TRUE(writerFailed);
    EXPECT_TRUE(trace.Contains("GetLastError() != ERROR_IO_INCOMPLETE\n"));
}

// The hand-over's stop paths, which a real port reaches only when a close meets the watcher at the right moment.
TEST(ReceiveHandoff, StopReleasesAWatcherHeldOffByADirectReadAndDropsWhatIsReadMeanwhile) {
    ReceiveHandoff handoff(16);
    handoff.Start();
    std::uint8_t sentinel = 0;
    std::uint8_t* heldOff = &sentinel;
    {
        DirectReadScope direct(handoff);
        std::thread watcher([&] { heldOff = handoff.BeginWatcherRead(); });
        handoff.Stop();
        watcher.join();
    }
    EXPECT_EQ(nullptr, heldOff);

    handoff.Start();
    ASSERT_NE(nullptr, handoff.BeginWatcherRead());
    handoff.Stop(); // the port closes while the watcher reads
    EXPECT_EQ(0u, handoff.EndWatcherRead(5)) << "no delivery once stopped";
    std::array<std::uint8_t, 16> taken{};
    EXPECT_EQ(0u, handoff.TakeBatch(taken.data()));
}
