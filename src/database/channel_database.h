#pragma once
// The program's one channel database: the satellite, transponder and channel tables in the
// receiver's byte layout, the ordered lists kept in step with the records' link words, the
// favourite group blocks, the receiver settings record bytes and the state of the open file.

#include "database/channel_record.h"
#include "database/favourite_groups.h"
#include "database/ordered_lists.h"
#include "database/satellite_record.h"
#include "database/table_layout.h"
#include "database/transponder_record.h"
#include "platform/bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vorlane {

class ChannelDatabase {
public:
    static constexpr std::size_t kPkChannelSize = 0x120000;
    static constexpr std::size_t kPkChannelEntrySize = 116; // a channel record, its u16 PK, 2 spare bytes
    static constexpr std::size_t kPkPositionCount = 10000;
    static constexpr std::size_t kSettingsSize = 3196;
    static constexpr std::size_t kScratchSettingsBufferSize = 3204;
    static constexpr std::size_t kScratchSettingsOffset = 4;

    ChannelDatabase();
    ~ChannelDatabase();
    ChannelDatabase(const ChannelDatabase&) = delete;
    ChannelDatabase& operator=(const ChannelDatabase&) = delete;

    // The buffers a new database starts from: the table buffers with every record free (0xFF), the
    // scratch settings record (zeroed, and made current) and the zeroed m_pKChannel. Allocating
    // again frees what was there first.
    void AllocateTables();
    // Frees the buffers, every list head and the node pool; the held settings record stays.
    void FreeTables();
    bool tablesAllocated() const { return m_tables.allocated(); }

    // Builds every ordered list; see OrderedLists::BuildAll.
    int BuildAllLists() { return m_lists.BuildAll(); }
    OrderedLists& lists() { return m_lists; }
    const OrderedLists& lists() const { return m_lists; }

    SatelliteRecord satellite(int index) { return SatelliteRecord(recordAt(RecordTable::Satellites, index)); }
    ConstSatelliteRecord satellite(int index) const {
        return ConstSatelliteRecord(recordAt(RecordTable::Satellites, index));
    }
    TransponderRecord transponder(int index) { return TransponderRecord(recordAt(RecordTable::Transponders, index)); }
    ConstTransponderRecord transponder(int index) const {
        return ConstTransponderRecord(recordAt(RecordTable::Transponders, index));
    }
    ChannelRecord channel(int slot) { return ChannelRecord(recordAt(RecordTable::Channels, slot)); }
    ConstChannelRecord channel(int slot) const { return ConstChannelRecord(recordAt(RecordTable::Channels, slot)); }
    // The record behind a channel PK (either tuner side).
    ChannelRecord channelOfPk(int pk) { return channel(ChannelSlotOfPk(pk)); }
    ConstChannelRecord channelOfPk(int pk) const { return channel(ChannelSlotOfPk(pk)); }

    // Record index from a record address; -1 when the address lies outside the table.
    int SatelliteIndexOf(const std::uint8_t* address) const;
    int TransponderIndexOf(const std::uint8_t* address) const;
    int ChannelIndexOf(const std::uint8_t* address) const;

    // Table bases; a const database hands out read-only ones.
    std::uint8_t* arrSatellite() { return m_tables.satellites; }
    const std::uint8_t* arrSatellite() const { return m_tables.satellites; }
    std::uint8_t* arrTransponder() { return m_tables.transponders; }
    const std::uint8_t* arrTransponder() const { return m_tables.transponders; }
    std::uint8_t* arrChannel() { return m_tables.channels; }
    const std::uint8_t* arrChannel() const { return m_tables.channels; }
    // The record a list node's PK names in `table` (a channel PK names slot PK mod 5000), read-only.
    const std::uint8_t* RecordOfPk(RecordTable table, int pk) const { return m_tables.recordOfPk(table, pk); }
    // The two regions that are stored in an image.
    ByteSpan satelliteRegion() { return {m_tables.satellites, kSatelliteRegionSize}; }
    ConstByteSpan satelliteRegion() const { return {m_tables.satellites, kSatelliteRegionSize}; }
    ByteSpan channelRegion() { return {m_tables.channels, kChannelRegionSize}; }
    ConstByteSpan channelRegion() const { return {m_tables.channels, kChannelRegionSize}; }
    // The whole working buffers.
    ByteSpan satelliteBuffer() { return {m_satelliteBuffer.get(), m_satelliteBuffer ? kSatelliteBufferSize : 0}; }
    ConstByteSpan satelliteBuffer() const {
        return {m_satelliteBuffer.get(), m_satelliteBuffer ? kSatelliteBufferSize : 0};
    }
    ByteSpan channelBuffer() { return {m_channelBuffer.get(), m_channelBuffer ? kChannelBufferSize : 0}; }
    ConstByteSpan channelBuffer() const { return {m_channelBuffer.get(), m_channelBuffer ? kChannelBufferSize : 0}; }

    // m_pKChannel: channel records in list order, and for each PK its position in that array.
    ByteSpan pkChannel() { return {m_pkChannel.get(), m_pkChannel ? kPkChannelSize : 0}; }
    ConstByteSpan pkChannel() const { return {m_pkChannel.get(), m_pkChannel ? kPkChannelSize : 0}; }
    std::span<std::int32_t> pkPositions() { return m_pkPositions; }
    std::span<const std::int32_t> pkPositions() const { return m_pkPositions; }

    FavouriteGroups& favourites() { return m_favourites; }
    const FavouriteGroups& favourites() const { return m_favourites; }

    // The receiver settings record: the one held here, a scratch one, and which of them is current.
    ByteSpan heldSettings() { return m_heldSettings; }
    ConstByteSpan heldSettings() const { return m_heldSettings; }
    ByteSpan scratchSettings();
    ConstByteSpan scratchSettings() const;
    ByteSpan currentSettings() { return m_scratchIsCurrent ? scratchSettings() : heldSettings(); }
    ConstByteSpan currentSettings() const { return m_scratchIsCurrent ? scratchSettings() : heldSettings(); }
    void UseHeldSettings() { m_scratchIsCurrent = false; }
    // Only once the scratch record exists.
    void UseScratchSettings() { m_scratchIsCurrent = static_cast<bool>(m_scratchSettings); }
    bool scratchSettingsCurrent() const { return m_scratchIsCurrent; }

    int receiverModel() const { return m_receiverModel; }
    void setReceiverModel(int model) { m_receiverModel = model; }
    const std::string& currentPath() const { return m_currentPath; }
    void setCurrentPath(std::string path) { m_currentPath = std::move(path); }
    // The text list the tables were imported from; there is no current file then, so nothing overwrites it.
    const std::string& importedPath() const { return m_importedPath; }
    void setImportedPath(std::string path) { m_importedPath = std::move(path); }
    std::vector<std::uint8_t>& fileBuffer() { return m_fileBuffer; }
    const std::vector<std::uint8_t>& fileBuffer() const { return m_fileBuffer; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    std::uint8_t* recordAt(RecordTable table, int index) {
        return m_tables.base(table) + RecordSize(table) * static_cast<std::size_t>(index);
    }
    const std::uint8_t* recordAt(RecordTable table, int index) const {
        return m_tables.base(table) + RecordSize(table) * static_cast<std::size_t>(index);
    }
    int IndexOf(RecordTable table, const std::uint8_t* address) const;

    std::unique_ptr<std::uint8_t[]> m_satelliteBuffer;
    std::unique_ptr<std::uint8_t[]> m_channelBuffer;
    std::unique_ptr<std::uint8_t[]> m_pkChannel;
    std::unique_ptr<std::uint8_t[]> m_scratchSettings;
    RecordTables m_tables;
    std::vector<std::int32_t> m_pkPositions;
    OrderedLists m_lists;
    FavouriteGroups m_favourites;
    std::array<std::uint8_t, kSettingsSize> m_heldSettings{};
    bool m_scratchIsCurrent = false;
    int m_receiverModel = 0;
    std::string m_currentPath;
    std::string m_importedPath;
    std::vector<std::uint8_t> m_fileBuffer;
    bool m_modified = false;
};

} // namespace vorlane
