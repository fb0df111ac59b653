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
    bool TablesAllocated() const { return m_tables.Allocated(); }

    // Builds every ordered list; see OrderedLists::BuildAll.
    std::optional<int> BuildAllLists() { return m_lists.BuildAll(); }
    OrderedLists& Lists() { return m_lists; }
    const OrderedLists& Lists() const { return m_lists; }

    SatelliteRecord Satellite(int index) { return SatelliteRecord(WritableRecordAt(RecordTable::Satellites, index)); }
    ConstSatelliteRecord Satellite(int index) const {
        return ConstSatelliteRecord(RecordAt(RecordTable::Satellites, index));
    }
    TransponderRecord Transponder(int index) {
        return TransponderRecord(WritableRecordAt(RecordTable::Transponders, index));
    }
    ConstTransponderRecord Transponder(int index) const {
        return ConstTransponderRecord(RecordAt(RecordTable::Transponders, index));
    }
    ChannelRecord Channel(int slot) { return ChannelRecord(WritableRecordAt(RecordTable::Channels, slot)); }
    ConstChannelRecord Channel(int slot) const { return ConstChannelRecord(RecordAt(RecordTable::Channels, slot)); }
    // The record behind a channel PK (either tuner side).
    ChannelRecord ChannelOfPk(Pk pk) { return Channel(pk.Record()); }
    ConstChannelRecord ChannelOfPk(Pk pk) const { return Channel(pk.Record()); }

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
    // Record `index` of `table`, and the record a list node's PK names there (a channel PK names slot PK mod 5000),
    // read-only.
    const std::uint8_t* RecordAt(RecordTable table, int index) const { return m_tables.Record(table, index); }
    const std::uint8_t* RecordOfPk(RecordTable table, Pk pk) const { return m_tables.RecordOfPk(table, pk); }
    // The two regions that are stored in an image.
    ByteSpan SatelliteRegion() { return {m_tables.satellites.get(), kSatelliteRegionSize}; }
    ConstByteSpan SatelliteRegion() const { return {m_tables.satellites.get(), kSatelliteRegionSize}; }
    ByteSpan ChannelRegion() { return {m_tables.channels.get(), kChannelRegionSize}; }
    ConstByteSpan ChannelRegion() const { return {m_tables.channels.get(), kChannelRegionSize}; }
    // The whole working buffers.
    ByteSpan SatelliteBuffer() { return {m_satelliteBuffer.get(), m_satelliteBuffer ? kSatelliteBufferSize : 0}; }
    ConstByteSpan SatelliteBuffer() const {
        return {m_satelliteBuffer.get(), m_satelliteBuffer ? kSatelliteBufferSize : 0};
    }
    ByteSpan ChannelBuffer() { return {m_channelBuffer.get(), m_channelBuffer ? kChannelBufferSize : 0}; }
    ConstByteSpan ChannelBuffer() const { return {m_channelBuffer.get(), m_channelBuffer ? kChannelBufferSize : 0}; }

    // m_pKChannel: channel records in list order, and for each PK its position in that array.
    ByteSpan PkChannel() { return {m_pkChannel.get(), m_pkChannel ? kPkChannelSize : 0}; }
    ConstByteSpan PkChannel() const { return {m_pkChannel.get(), m_pkChannel ? kPkChannelSize : 0}; }
    std::span<std::int32_t> PkPositions() { return m_pkPositions; }
    std::span<const std::int32_t> PkPositions() const { return m_pkPositions; }

    FavouriteGroups& Favourites() { return m_favourites; }
    const FavouriteGroups& Favourites() const { return m_favourites; }

    // The receiver settings record: the one held here, a scratch one, and which of them is current.
    ByteSpan HeldSettings() { return m_heldSettings; }
    ConstByteSpan HeldSettings() const { return m_heldSettings; }
    ByteSpan ScratchSettings();
    ConstByteSpan ScratchSettings() const;
    ByteSpan CurrentSettings() { return m_scratchIsCurrent ? ScratchSettings() : HeldSettings(); }
    ConstByteSpan CurrentSettings() const { return m_scratchIsCurrent ? ScratchSettings() : HeldSettings(); }
    void UseHeldSettings() { m_scratchIsCurrent = false; }
    // Only once the scratch record exists.
    void UseScratchSettings() { m_scratchIsCurrent = static_cast<bool>(m_scratchSettings); }
    bool ScratchSettingsCurrent() const { return m_scratchIsCurrent; }

    int ReceiverModel() const { return m_receiverModel; }
    void SetReceiverModel(int model) { m_receiverModel = model; }
    const std::string& CurrentPath() const { return m_currentPath; }
    void SetCurrentPath(std::string path) { m_currentPath = std::move(path); }
    // The text list the tables were imported from; there is no current file then, so nothing overwrites it.
    const std::string& ImportedPath() const { return m_importedPath; }
    void SetImportedPath(std::string path) { m_importedPath = std::move(path); }
    std::vector<std::uint8_t>& FileBuffer() { return m_fileBuffer; }
    const std::vector<std::uint8_t>& FileBuffer() const { return m_fileBuffer; }
    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

private:
    std::uint8_t* WritableRecordAt(RecordTable table, int index) { return m_tables.Record(table, index); }
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
