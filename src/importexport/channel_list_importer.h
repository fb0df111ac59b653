#pragma once
// Reads a ":SAT" / ":TRP" / ":CHN" channel list into the database's tables, from slot 0 of each.
// The database has been initialised; every field the reader does not name keeps the value it had.
// The lists are not built: the caller does that.

#include "database/channel_database.h"
#include "importexport/channel_list_cursor.h"
#include "importexport/import_result.h"
#include "importexport/tuner_one_placement.h"
#include "platform/bytes.h"

namespace vorlane {

class ChannelListImporter {
public:
    // Not accepted when the buffer does not begin with ":SAT" (nothing written). A record reads no further than
    // its own fields: a missing field takes its default (0 or empty), and the next record is read wherever its
    // mark stands. A channel before any transponder of its satellite is left out and counted. A record that
    // finds its table full stops the import; the records after it are counted as not fitted.
    static ImportResult Read(ChannelDatabase& db, ConstByteSpan buffer);

private:
    explicit ChannelListImporter(ChannelDatabase& db) : m_db(db) {}
    ImportResult ReadAll(ConstByteSpan buffer);
    // Each reads the record's fields behind its mark and stores them while the tables have room.
    void ReadSatellite(ChannelListCursor& cursor);
    void ReadTransponder(ChannelListCursor& cursor);
    void ReadChannel(ChannelListCursor& cursor);
    // Takes the next slot of a table of `capacity` records, or marks the import full.
    bool TakeSlot(int& slot, int capacity);

    ChannelDatabase& m_db;
    int m_satellite = -1;
    int m_transponder = -1;
    bool m_satelliteHasTransponder = false; // a ":TRP" of the current satellite has been stored
    int m_channel = -1;
    bool m_full = false;
    int m_notFitted = 0;
    int m_withoutTransponder = 0;
    TunerOnePlacement m_placement;
};

} // namespace vorlane
