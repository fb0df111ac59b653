#include "loader/connection_settings.h"
#include "platform/memory_settings_store.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <utility>
#include <vector>

using namespace vorlane;

namespace {

void Store(MemorySettingsStore& store, const char* name, std::uint32_t value) {
    ASSERT_EQ(1, store.WriteNumber(kSerialSettingsKey, name, value));
}

} // namespace

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
