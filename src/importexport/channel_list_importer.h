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
    // Not accepted when the buffer does not begin with ":SAT" (nothing written) or when a quoted
    // text cannot be read (what was written stays). A record that finds its table full stops the
    // import, accepted; the records after it are counted as not fitted.
    static ImportResult Read(ChannelDatabase& db, ConstByteSpan buffer);

private:
    explicit ChannelListImporter(ChannelDatabase& db) : m_db(db) {}
    ImportResult ReadAll(ConstByteSpan buffer);
    // Each reads the record's fields behind its mark and stores them while the tables have room;
    // false when a quoted text cannot be read.
    bool ReadSatellite(ChannelListCursor& cursor);
    bool ReadTransponder(ChannelListCursor& cursor);
    bool ReadChannel(ChannelListCursor& cursor);
    // Takes the next slot of a table of `capacity` records, or marks the import full.
    bool TakeSlot(int& slot, int capacity);

    ChannelDatabase& m_db;
    int m_satellite = -1;
    int m_transponder = -1;
    int m_channel = -1;
    bool m_full = false;
    int m_notFitted = 0;
    TunerOnePlacement m_placement;
};

} // namespace vorlane
