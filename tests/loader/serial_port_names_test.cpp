#include "loader/serial_port_names.h"
#include "scoped_environment.h"

#include <gtest/gtest.h>
#include <map>

using namespace vorlane;

using vorlane::testing::ScopedEnvironment;

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
