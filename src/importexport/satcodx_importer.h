#pragma once
// Reads a SATCODX file into the database's tables, from slot 0 of each. The database has been
// initialised; every field the reader does not name keeps the value it had. The lists are not
// built: the caller does that.

#include "database/channel_database.h"
#include "importexport/import_result.h"
#include "importexport/satcodx_record.h"
#include "importexport/tuner_one_placement.h"
#include "platform/bytes.h"

#include <compare>
#include <cstdint>
#include <map>

namespace vorlane {

class SatcodxImporter {
public:
    // Not accepted when the buffer does not begin with "SATCODX103" (nothing written) or when a
    // record's line end is followed by anything but the next record mark (what was written stays).
    // Records end with a carriage return, a line feed or both. Each record takes one channel slot and
    // a new satellite slot when its satellite name differs from the previous record's. Records on the
    // same satellite slot with the same frequency, polarisation and symbol rate share the transponder
    // slot the first of them took. At a full table the import stops, accepted, and counts the records left.
    static ImportResult Read(ChannelDatabase& db, ConstByteSpan buffer);

private:
    explicit SatcodxImporter(ChannelDatabase& db) : m_db(db) {}
    ImportResult ReadAll(ConstByteSpan buffer);
    // False, with nothing written, when the record does not fit into the tables.
    bool Store(const SatcodxRecord& record);
    void WriteSatellite(const SatcodxRecord& record);
    void WriteTransponder(const SatcodxRecord& record);
    // What makes two records one transponder.
    struct TransponderKey {
        int satellite;
        std::uint16_t frequency;
        int polarisation; // -1 when the record gives none
        int symbolRate;   // -1 when the record gives none
        friend auto operator<=>(const TransponderKey&, const TransponderKey&) = default;
    };
    TransponderKey KeyOf(const SatcodxRecord& record) const;
    void WriteChannel(const SatcodxRecord& record);

    ChannelDatabase& m_db;
    int m_satellite = -1;
    int m_transponder = -1;        // the last slot taken
    int m_currentTransponder = -1; // the slot of the record being written
    int m_channel = -1;
    SatcodxRecord::SatelliteName m_previousSatelliteName{};
    TunerOnePlacement m_placement;
    std::map<TransponderKey, int> m_transponderSlots;
};

} // namespace vorlane
