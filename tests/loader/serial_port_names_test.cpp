#include "loader/serial_device_scan.h"
#include "loader/serial_port_names.h"
#include "scoped_environment.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

using namespace vorlane;
using vorlane::testing::ScopedEnvironment;
namespace fs = std::filesystem;

TEST(SerialPortNames, DefaultTableCoversAllSixteenPorts) {
    ScopedEnvironment unset("VORLANE_SERIAL_DIR", nullptr);
    EXPECT_EQ("/dev/ttyUSB0", SerialDevicePath(1));
    EXPECT_EQ("/dev/ttyUSB7", SerialDevicePath(8));
    EXPECT_EQ("/dev/ttyACM0", SerialDevicePath(9));
    EXPECT_EQ("/dev/ttyACM3", SerialDevicePath(12));
    EXPECT_EQ("/dev/ttyS0", SerialDevicePath(13));
    EXPECT_EQ("/dev/ttyS3", SerialDevicePath(16));
    EXPECT_EQ("", SerialDevicePath(0));
    EXPECT_EQ("", SerialDevicePath(17));
    EXPECT_EQ("COM1", SerialPortName(1));
    EXPECT_EQ("COM16", SerialPortName(16));
    EXPECT_EQ("", SerialPortName(17));
}

TEST(SerialPortNames, StoredPathWinsOverTheTableAndTheFolderVariableOverBoth) {
    const std::map<std::string, std::string> stored{{"Devices/COM5", "/dev/serial/by-id/stb"}};
    const StoredTextLookup lookup = [&](const std::string& name) {
        const auto it = stored.find(name);
        return it == stored.end() ? std::string() : it->second;
    };
    {
        ScopedEnvironment unset("VORLANE_SERIAL_DIR", nullptr);
        EXPECT_EQ("/dev/serial/by-id/stb", SerialDevicePath(5, lookup));
        EXPECT_EQ("/dev/ttyUSB3", SerialDevicePath(4, lookup));
    }
    {
        ScopedEnvironment empty("VORLANE_SERIAL_DIR", "");
        EXPECT_EQ("/dev/serial/by-id/stb", SerialDevicePath(5, lookup)) << "an empty folder counts as unset";
    }
    {
        ScopedEnvironment folder("VORLANE_SERIAL_DIR", "/tmp/vorlane-ports");
        EXPECT_EQ("/tmp/vorlane-ports/COM5", SerialDevicePath(5, lookup));
        EXPECT_EQ("/tmp/vorlane-ports/COM16", SerialDevicePath(16));
    }
}

namespace {

// A /dev and /sys of a machine with two USB adapters behind by-id links, two without, a modem-class adapter and
// two main-board ports of which only ttyS0 has a UART.
class FakeMachine {
public:
    FakeMachine() : m_root("vorlane-serial-scan") {
        fs::create_directories(m_root.Path() / "dev");
        for (const char* node :
             {"ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyUSB10", "ttyUSBx", "ttyACM0", "ttyS0", "ttyS1", "ttyS", "tty0"})
            std::ofstream(m_root.PathIn("dev/" + std::string(node)));
        Link("usb-FTDI_FT232R_A1-if00-port0", "ttyUSB1");
        Link("usb-Acme_Modem-if00", "ttyACM0");
        Type("ttyS0", "4");
        Type("ttyS1", "0");
    }
    std::string Root() const { return m_root.Path().string(); }

private:
    void Link(const std::string& name, const std::string& node) {
        fs::create_directories(m_root.Path() / "dev/serial/by-id");
        fs::create_symlink("../../" + node, m_root.Path() / "dev/serial/by-id" / name);
    }
    void Type(const std::string& node, const char* type) {
        fs::create_directories(m_root.Path() / "sys/class/tty" / node);
        std::ofstream(m_root.Path() / "sys/class/tty" / node / "type") << type << "\n";
    }
    ScratchFolder m_root;
};

} // namespace

TEST(SerialDeviceScan, StableNamesFirstThenUnlinkedAdaptersThenPortsWithAUartAndThePortTable) {
    const FakeMachine machine;
    const std::vector<FoundSerialDevice> found = FindSerialDevices(machine.Root());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"/dev/serial/by-id/usb-Acme_Modem-if00", "ttyACM0"},
        {"/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0", "ttyUSB1"},
        {"/dev/ttyUSB0", "ttyUSB0"},
        {"/dev/ttyUSB2", "ttyUSB2"},
        {"/dev/ttyUSB10", "ttyUSB10"},
        {"/dev/ttyS0", "ttyS0"},
    };
    ASSERT_EQ(expected.size(), found.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].first, found[i].path) << i;
        EXPECT_EQ(expected[i].second, found[i].kernelName) << i;
    }
    EXPECT_TRUE(FindSerialDevices(machine.Root() + "/nothing-here").empty());

    // The port table tells present and missing devices.
    const std::vector<PortDevice> table = PortDeviceTable([&](int portNumber) {
        return portNumber == 16 ? std::string() : machine.Root() + "/dev/ttyUSB" + std::to_string(portNumber - 1);
    });
    ASSERT_EQ(16u, table.size());
    for (const PortDevice& row : table) {
        const bool exists = row.portNumber <= 3 || row.portNumber == 11; // ttyUSB0-2 and ttyUSB10
        EXPECT_EQ(exists ? DeviceState::Present : DeviceState::Missing, row.state) << row.portNumber;
    }
    EXPECT_STREQ("missing", DeviceStateText(table[15].state));
    EXPECT_EQ("You may not use /dev/ttyUSB0: it belongs to the group \"dialout\". Join that group with\n"
              "  sudo adduser \"$USER\" dialout\nand log in again.",
              PermissionAdvice("/dev/ttyUSB0", "dialout"));
}
