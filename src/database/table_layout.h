#pragma once
// Capacities of the three record tables, where they sit in the working buffers, and how a PK
// names a record (and, for channels, a tuner side).

#include "database/deep_const_ptr.h"
#include "database/list_kind.h"
#include "database/tuner_side.h"
#include "storage/image_layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vorlane {

inline constexpr int kSatelliteCount = 64;
inline constexpr int kTransponderCount = 1500;
inline constexpr int kChannelCount = 5000;
inline constexpr int kTunerCount = 2;

inline constexpr std::size_t kSatelliteRecordSize = 132;
inline constexpr std::size_t kTransponderRecordSize = 48;
inline constexpr std::size_t kChannelRecordSize = 112;

// Satellites followed by transponders in one buffer; channels (room for 10000) in another.
inline constexpr std::size_t kSatelliteBufferSize = 0x20000;
inline constexpr std::size_t kChannelBufferSize = 0x120000;
inline constexpr std::size_t kSatelliteTableOffset = 4;
inline constexpr std::size_t kTransponderTableOffset = 0x2110;
inline constexpr std::size_t kChannelTableOffset = 4;
inline constexpr std::size_t kChannelSlotsInBuffer = 10000;

// The stored regions (kSatelliteRegionSize, kChannelRegionSize) come from the image layout:
// 64 x 132 + 12 + 1500 x 48 + 8 bytes, and 5000 x 112 + 8 bytes.
static_assert(kSatelliteRegionSize == 64 * 132 + 12 + 1500 * 48 + 8);
static_assert(kChannelRegionSize == 5000 * 112 + 8);

// A record's key in the ordered lists (its PK): the record's index in its table, plus 5000 for the tuner-2 side
// of a channel. Sixteen bits, as list nodes and the channel copies keep it.
class Pk {
public:
    constexpr explicit Pk(std::uint16_t value) : m_value(value) {}
    // A satellite's or transponder's PK.
    static constexpr Pk OfRecord(int index) { return Pk(static_cast<std::uint16_t>(index)); }
    static constexpr Pk OfChannel(int slot, TunerSide side) {
        return Pk(static_cast<std::uint16_t>(slot + kChannelCount * SideIndex(side)));
    }
    // A channel side's PK from its value kept elsewhere (a view's row id, a dialog item's data); none outside 0-9999.
    static constexpr std::optional<Pk> OfChannelValue(int value) {
        if (value < 0 || value >= kChannelCount * kTunerCount)
            return std::nullopt;
        return Pk(static_cast<std::uint16_t>(value));
    }

    constexpr std::uint16_t Value() const { return m_value; }
    // The record's index in its table; for a channel side its slot.
    constexpr int Record() const { return m_value % kChannelCount; }
    constexpr TunerSide Side() const { return m_value >= kChannelCount ? TunerSide::Second : TunerSide::First; }
    // True when the PK can name a channel side (0-9999); list nodes and views hold nothing else for channels.
    constexpr bool IsChannelSide() const { return m_value < kChannelCount * kTunerCount; }

    friend constexpr auto operator<=>(Pk, Pk) = default;

private:
    std::uint16_t m_value;
};

// The sides a record of the table is listed on: both for channels, one for satellites and transponders.
constexpr std::span<const TunerSide> ListedSides(RecordTable table) {
    return std::span(kTunerSides).first(table == RecordTable::Channels ? kTunerSides.size() : 1);
}

constexpr int RecordCount(RecordTable table) {
    switch (table) {
    case RecordTable::Satellites:
        return kSatelliteCount;
    case RecordTable::Transponders:
        return kTransponderCount;
    case RecordTable::Channels:
        return kChannelCount;
    }
    return 0;
}

constexpr std::size_t RecordSize(RecordTable table) {
    switch (table) {
    case RecordTable::Satellites:
        return kSatelliteRecordSize;
    case RecordTable::Transponders:
        return kTransponderRecordSize;
    case RecordTable::Channels:
        return kChannelRecordSize;
    }
    return 0;
}

// The bases of the three tables; empty until the database has allocated its buffers.
// Const tables hand out read-only records.
struct RecordTables {
    DeepConstPtr<std::uint8_t> satellites;
    DeepConstPtr<std::uint8_t> transponders;
    DeepConstPtr<std::uint8_t> channels;

    bool Allocated() const { return satellites && transponders && channels; }

    const std::uint8_t* Base(RecordTable table) const {
        switch (table) {
        case RecordTable::Satellites:
            return satellites;
        case RecordTable::Transponders:
            return transponders;
        case RecordTable::Channels:
            return channels;
        }
        return nullptr;
    }
    std::uint8_t* Base(RecordTable table) {
        return const_cast<std::uint8_t*>(static_cast<const RecordTables&>(*this).Base(table));
    }

    const std::uint8_t* Record(RecordTable table, int index) const {
        return Base(table) + RecordSize(table) * static_cast<std::size_t>(index);
    }
    std::uint8_t* Record(RecordTable table, int index) {
        return const_cast<std::uint8_t*>(static_cast<const RecordTables&>(*this).Record(table, index));
    }
    // The record a list node's PK names in the kind's table (a channel PK names slot PK mod 5000).
    const std::uint8_t* RecordOfPk(RecordTable table, Pk pk) const { return Record(table, pk.Record()); }
    std::uint8_t* RecordOfPk(RecordTable table, Pk pk) { return Record(table, pk.Record()); }
};

} // namespace vorlane
