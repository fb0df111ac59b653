#include "database/free_slots.h"

#include "database/settings_record.h"

namespace vorlane {
namespace {

// Probes slot cursor+1, cursor+2, ... (wrapping) and returns the first free one with the new cursor.
int Probe(std::uint16_t& cursor, int slotCount, const std::uint8_t* table, std::size_t recordSize) {
    unsigned at = cursor;
    for (int step = 0; step < slotCount; ++step) {
        at = (at + 1) % static_cast<unsigned>(slotCount);
        if (ReadLe32(table + recordSize * at) == kFreeRecordWord) {
            cursor = static_cast<std::uint16_t>(at);
            return static_cast<int>(at);
        }
    }
    return -1;
}

} // namespace

int FindFreeTransponderSlot(ChannelDatabase& db) {
    if (!db.TablesAllocated())
        return -1;
    ReceiverSettings settings = CurrentReceiverSettings(db);
    std::uint16_t cursor = settings.last_transponder_slot();
    const int slot = Probe(cursor, kTransponderCount, db.arrTransponder(), kTransponderRecordSize);
    if (slot >= 0)
        settings.set_last_transponder_slot(cursor);
    return slot;
}

int FindFreeChannelSlot(ChannelDatabase& db) {
    if (!db.TablesAllocated())
        return -1;
    ReceiverSettings settings = CurrentReceiverSettings(db);
    std::uint16_t cursor = settings.last_channel_slot();
    const int slot = Probe(cursor, kChannelCount, db.arrChannel(), kChannelRecordSize);
    if (slot >= 0)
        settings.set_last_channel_slot(cursor);
    return slot;
}

} // namespace vorlane
