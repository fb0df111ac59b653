#include "platform/serial_device.h"
#include "platform/serial_line_config.h"
#include "platform/serial_speed.h"
#include "platform/wake_event.h"
#include "pseudo_terminal.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>

namespace vorlane::testing {
namespace {

termios ReadBack(int fd) {
    termios t{};
    EXPECT_EQ(0, tcgetattr(fd, &t));
    return t;
}

// A device open on a fresh pseudo-terminal at 115200 8N1, and a wake event for its waits.
class OpenDevice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_pty.Valid());
        ASSERT_TRUE(m_device.Open(m_pty.SlavePath()));
        ASSERT_TRUE(m_device.Configure({115200, kParityNone, 8, kOneStopBit, 0}));
        ASSERT_TRUE(m_wake.Create());
    }

    PseudoTerminal m_pty;
    SerialDevice m_device;
    WakeEvent m_wake;
};

// Each line setting as built from raw settings, and as read back from a pseudo-terminal, which forces 8 bits
// without parity but keeps the other line bits.
TEST_F(OpenDevice, LineSettingsBuildTheirTermiosAndReachTheDevice) {
    const struct {
        SerialLineSettings line;
        tcflag_t parity, size;
        bool twoStopBits;
        tcflag_t flow;
        speed_t speed;
    } cases[] = {
        {{9600, kParityNone, 5, kOneStopBit, 0}, 0, CS5, false, 0, B9600},
        {{9600, kParityOdd, 6, kOneAndHalfStopBits, 0}, PARENB | PARODD, CS6, true, 0, B9600},
        {{9600, kParityEven, 7, kTwoStopBits, 0}, PARENB, CS7, true, 0, B9600},
        {{115200, kParityMark, 7, kOneAndHalfStopBits, kFlowCtsRts | kFlowXonXoff},
         PARENB | CMSPAR | PARODD,
         CS7,
         true,
         CRTSCTS,
         B115200},
        {{9600, kParitySpace, 8, kOneStopBit, 0}, PARENB | CMSPAR, CS8, false, 0, B9600},
        {{9600, kParityNone, 8, kOneStopBit, kFlowDsrDtr | kFlowCtsRts | kFlowXonXoff}, 0, CS8, false, CRTSCTS, B9600},
    };
    constexpr tcflag_t kParityBits = PARENB | PARODD | CMSPAR;
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.line.parity) * 10 + c.line.byteSize);
        termios current{};
        cfmakeraw(&current);
        current.c_cflag |= HUPCL;
        termios t{};
        ASSERT_TRUE(MakeLineTermios(current, c.line, t));
        EXPECT_EQ(c.parity, t.c_cflag & kParityBits);
        EXPECT_EQ(c.size, t.c_cflag & CSIZE);
        EXPECT_EQ(tcflag_t(CLOCAL | CREAD | HUPCL), t.c_cflag & (CLOCAL | CREAD | HUPCL)) << "HUPCL is kept";
        EXPECT_EQ((std::array<int, 3>{0x11, 0x13, 1}),
                  (std::array<int, 3>{t.c_cc[VSTART], t.c_cc[VSTOP], t.c_cc[VMIN]}));
        EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
        EXPECT_FALSE(t.c_oflag & OPOST);

        ASSERT_TRUE(m_device.Configure(c.line));
        const termios back = ReadBack(m_device.Fd());
        EXPECT_EQ(c.parity & (PARODD | CMSPAR), back.c_cflag & (PARODD | CMSPAR));
        EXPECT_EQ(c.twoStopBits, (back.c_cflag & CSTOPB) != 0);
        EXPECT_EQ(c.flow, back.c_cflag & CRTSCTS);
        EXPECT_EQ((c.flow ? tcflag_t(IXON | IXOFF) : 0) | INPCK, back.c_iflag & (IXON | IXOFF | IXANY | INPCK))
            << "parity checking stays on, also without parity";
        EXPECT_EQ(c.speed, cfgetospeed(&back));
    }
    termios result{};
    for (const SerialLineSettings& line :
         {SerialLineSettings{9600, 5, 8, 0, 0}, SerialLineSettings{9600, 0, 4, 0, 0},
          SerialLineSettings{9600, 0, 9, 0, 0}, SerialLineSettings{9600, 0, 8, 3, 0}}) {
        EXPECT_FALSE(MakeLineTermios(termios{}, line, result));
        EXPECT_FALSE(m_device.Configure(line));
    }
    // Speeds without a constant are set exactly.
    for (std::uint32_t rate : {14400u, 56000u, 172800u, 110u, 921600u, 250000u}) {
        ASSERT_TRUE(m_device.Configure({rate, kParityNone, 8, kOneStopBit, 0})) << rate;
        EXPECT_EQ(rate, ReadTerminalSpeed(m_device.Fd()));
    }
    EXPECT_FALSE(m_device.Configure({0, kParityNone, 8, kOneStopBit, 0})) << "a zero rate would hang up";
}

TEST(SerialDevice, CloseRestoresTheDeviceSettings) {
    PseudoTerminal pty;
    const int other = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    termios before = ReadBack(other);
    before.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(0, tcsetattr(other, TCSANOW, &before));
    ASSERT_TRUE(SetTerminalSpeed(other, 56000));

    SerialDevice device;
    ASSERT_TRUE(device.Open(pty.SlavePath()));
    ASSERT_TRUE(device.Configure({9600, kParityNone, 8, kTwoStopBits, kFlowXonXoff}));
    device.Close();

    const termios after = ReadBack(other);
    EXPECT_EQ(before.c_lflag, after.c_lflag);
    EXPECT_EQ(before.c_iflag, after.c_iflag);
    EXPECT_FALSE(after.c_cflag & CSTOPB);
    EXPECT_EQ(56000u, ReadTerminalSpeed(other));
    ::close(other);
}

TEST_F(OpenDevice, OpensExclusivelyAndOnlyTerminals) {
    SerialDevice other;
    EXPECT_FALSE(other.Open("/nonexistent/ttyUSB9"));
    EXPECT_FALSE(other.Open("/dev/null")) << "not a terminal";
    EXPECT_FALSE(other.IsOpen());
    EXPECT_FALSE(other.Open(m_pty.SlavePath())) << "held by the device";
    EXPECT_FALSE(SerialDevice::Probe(m_pty.SlavePath()));
    m_device.Close();
    EXPECT_FALSE(m_device.IsOpen());
    EXPECT_TRUE(SerialDevice::Probe(m_pty.SlavePath()));
    EXPECT_TRUE(other.Open(m_pty.SlavePath()));
}

TEST_F(OpenDevice, ReadsQueuedBytesAndNoticesTheOtherEndGoing) {
    std::uint8_t buffer[16];
    std::size_t count = 99;
    EXPECT_EQ(DeviceRead::Empty, m_device.Read(buffer, sizeof buffer, count));
    EXPECT_EQ(0u, count);
    EXPECT_EQ(DeviceWait::TimedOut, m_device.WaitForInput(m_wake.Fd(), 20));

    ASSERT_TRUE(m_pty.Send("\r\nKX70RS\n\x11\x13"));
    EXPECT_EQ(DeviceWait::Input, m_device.WaitForInput(m_wake.Fd(), 1000));
    ASSERT_EQ(DeviceRead::Data, m_device.Read(buffer, 4, count));
    EXPECT_EQ(4u, count) << "at most the capacity";
    ASSERT_EQ(DeviceRead::Data, m_device.Read(buffer + 4, sizeof buffer - 4, count));
    EXPECT_EQ("\r\nKX70RS\n\x11\x13", std::string(buffer, buffer + 4 + count))
        << "raw: no translation, no flow bytes taken";

    m_wake.Signal();
    EXPECT_EQ(DeviceWait::Woken, m_device.WaitForInput(m_wake.Fd(), -1));
    m_wake.Reset();

    m_pty.CloseMaster();
    EXPECT_EQ(DeviceWait::Hangup, m_device.WaitForInput(m_wake.Fd(), 1000));
    EXPECT_EQ(DeviceRead::Gone, m_device.Read(buffer, sizeof buffer, count));
}

TEST_F(OpenDevice, WriteGivesUpWhenTheDriverStaysFull) {
    const std::vector<std::uint8_t> block(4096, 0x5A);
    EXPECT_EQ(DeviceWriteResult::kDone, m_device.Write(block.data(), block.size(), m_wake.Fd(), 1000).status);
    EXPECT_EQ(block, m_pty.Receive(block.size()));

    // Nobody reads the other end: the driver fills up and the write times out.
    DeviceWriteResult result;
    for (int i = 0; i < 1000 && result.status == DeviceWriteResult::kDone; ++i)
        result = m_device.Write(block.data(), block.size(), m_wake.Fd(), 50);
    EXPECT_EQ(DeviceWriteResult::kInterrupted, result.status);
    EXPECT_EQ(ETIMEDOUT, result.error);

    m_wake.Signal();
    result = m_device.Write(block.data(), block.size(), m_wake.Fd(), 5000);
    EXPECT_EQ(DeviceWriteResult::kInterrupted, result.status);
    EXPECT_EQ(ECANCELED, result.error);

    // The other end going away while the write waits for room ends it with an I/O error.
    m_wake.Reset();
    std::thread hangUp([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        m_pty.CloseMaster();
    });
    result = m_device.Write(block.data(), block.size(), m_wake.Fd(), 5000);
    hangUp.join();
    EXPECT_EQ(EIO, result.error);
}

} // namespace
} // namespace vorlane::testing
