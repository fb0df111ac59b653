#include "loader/connection_settings.h"
#include "platform/memory_settings_store.h"

#include <gtest/gtest.h>

using namespace vorlane;

namespace {

void Store(MemorySettingsStore& store, const char* name, std::uint32_t value) {
    ASSERT_EQ(1, store.WriteNumber(kSerialSettingsKey, name, value));
}

} // namespace

TEST(SerialSettings, FirstStartGivesTheDefaults) {
    MemorySettingsStore store;
    const SerialSettings settings = LoadSerialSettings(store);
    EXPECT_EQ(0u, settings.comport);
    EXPECT_EQ(1, settings.PortNumber());
    EXPECT_EQ(11u, settings.bart);
    EXPECT_EQ(3u, settings.dataBit);
    EXPECT_EQ(0u, settings.parityBit);
    EXPECT_EQ(0u, settings.stopBit);
    EXPECT_EQ(0u, settings.flowCtrl);
    EXPECT_EQ(0, settings.timeout1);
    EXPECT_EQ(5000, settings.timeout2);

    const SerialLineSettings line = settings.Line();
    EXPECT_EQ(115200u, line.baudRate);
    EXPECT_EQ(8, line.byteSize);
    EXPECT_EQ(kParityNone, line.parity);
    EXPECT_EQ(kOneStopBit, line.stopBits);
    EXPECT_EQ(0, line.flowControl);
}

TEST(SerialSettings, Timeout2NeverBelowItsMinimum) {
    for (const auto& [stored, used] :
         {std::pair<std::int32_t, std::int32_t>{1000, 5000}, {4999, 5000}, {5000, 5000}, {8000, 8000}, {-1, 5000}}) {
        MemorySettingsStore store;
        Store(store, "Timeout2", static_cast<std::uint32_t>(stored));
        EXPECT_EQ(used, LoadSerialSettings(store).timeout2) << "stored " << stored;
    }
}

TEST(SerialSettings, StoredValuesAreUsedAndWrittenBackUnchanged) {
    MemorySettingsStore store;
    Store(store, "Comport", 4);
    Store(store, "Bart", 6);
    Store(store, "DataBit", 0);
    Store(store, "ParityBit", 3);
    Store(store, "StopBit", 2);
    Store(store, "bFlowCtrl", 7);
    Store(store, "Timeout1", 30);
    Store(store, "Timeout2", 9000);

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
    for (const char* name : {"Comport", "Bart", "DataBit", "ParityBit", "StopBit", "bFlowCtrl", "Timeout1", "Timeout2"})
        EXPECT_EQ(store.ReadNumber(kSerialSettingsKey, name, 12345), copy.ReadNumber(kSerialSettingsKey, name, 0))
            << name;
}

TEST(SerialSettings, UnreadableStoreGivesZeroForEveryNumber) {
    MemorySettingsStore store;
    store.SetAvailable(false);
    const SerialSettings settings = LoadSerialSettings(store);
    EXPECT_EQ(0u, settings.bart);
    EXPECT_EQ(110u, settings.Line().baudRate);
    EXPECT_EQ(5, settings.Line().byteSize);
    EXPECT_EQ(0u, settings.comport);
    EXPECT_EQ(5000, settings.timeout2);
    EXPECT_EQ(0, StoreSerialSettings(store, settings));
}

TEST(SerialSettings, ValuesOutsideTheirListsFallBackToDefaults) {
    MemorySettingsStore store;
    Store(store, "Comport", 16);
    Store(store, "Bart", 16);
    Store(store, "bFlowCtrl", 0x105); // only 8 bits are kept
    const SerialSettings settings = LoadSerialSettings(store);
    EXPECT_EQ(0u, settings.comport);
    EXPECT_EQ(11u, settings.bart);
    EXPECT_EQ(5u, settings.flowCtrl);
}

TEST(SerialSettings, SpeedTable) {
    const std::uint32_t expected[] = {110,   300,   600,   1200,   2400,   4800,   9600,   14400,
                                      19200, 38400, 56000, 115200, 172800, 230400, 460800, 921600};
    for (std::uint32_t index = 0; index < kLineSpeedCount; ++index)
        EXPECT_EQ(expected[index], LineSpeedOfIndex(index)) << index;
    EXPECT_EQ(0u, LineSpeedOfIndex(kLineSpeedCount));
}
