#include "database/channel_database.h"

#include <cstdint>
#include <cstring>

namespace vorlane {

ChannelDatabase::ChannelDatabase() = default;

ChannelDatabase::~ChannelDatabase() {
    FreeTables();
}

void ChannelDatabase::AllocateTables() {
    FreeTables();
    m_channelBuffer = std::make_unique<std::uint8_t[]>(kChannelBufferSize);
    m_satelliteBuffer = std::make_unique<std::uint8_t[]>(kSatelliteBufferSize);
    m_scratchSettings = std::make_unique<std::uint8_t[]>(kScratchSettingsBufferSize); // zeroed
    m_pkChannel = std::make_unique<std::uint8_t[]>(kPkChannelSize);                   // zeroed
    std::memset(m_channelBuffer.get(), 0xFF, kChannelBufferSize);
    std::memset(m_satelliteBuffer.get(), 0xFF, kSatelliteBufferSize);
    m_pkPositions.assign(kPkPositionCount, -1);

    m_tables.satellites = m_satelliteBuffer.get() + kSatelliteTableOffset;
    m_tables.transponders = m_satelliteBuffer.get() + kTransponderTableOffset;
    m_tables.channels = m_channelBuffer.get() + kChannelTableOffset;
    m_lists.AttachTables(&m_tables);
    m_scratchIsCurrent = true;
}

void ChannelDatabase::FreeTables() {
    m_lists.FreeAll();
    m_lists.AttachTables(nullptr);
    m_tables = {};
    m_channelBuffer.reset();
    m_satelliteBuffer.reset();
    m_scratchSettings.reset();
    m_pkChannel.reset();
    m_pkPositions.clear();
    m_scratchIsCurrent = false;
}

ByteSpan ChannelDatabase::ScratchSettings() {
    if (!m_scratchSettings)
        return {};
    return {m_scratchSettings.get() + kScratchSettingsOffset, kSettingsSize};
}

ConstByteSpan ChannelDatabase::ScratchSettings() const {
    if (!m_scratchSettings)
        return {};
    return {m_scratchSettings.get() + kScratchSettingsOffset, kSettingsSize};
}

int ChannelDatabase::IndexOf(RecordTable table, const std::uint8_t* address) const {
    const auto base = reinterpret_cast<std::uintptr_t>(m_tables.Base(table));
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    if (!base || at < base)
        return -1;
    const std::uintptr_t index = (at - base) / RecordSize(table);
    return index < static_cast<std::uintptr_t>(RecordCount(table)) ? static_cast<int>(index) : -1;
}

int ChannelDatabase::SatelliteIndexOf(const std::uint8_t* address) const {
    return IndexOf(RecordTable::Satellites, address);
}

int ChannelDatabase::TransponderIndexOf(const std::uint8_t* address) const {
    return IndexOf(RecordTable::Transponders, address);
}

int ChannelDatabase::ChannelIndexOf(const std::uint8_t* address) const {
    return IndexOf(RecordTable::Channels, address);
}

} // namespace vorlane
