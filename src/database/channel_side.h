#pragma once
// Edits of one tuner side of a channel record that do not touch the lists.

#include "database/channel_record.h"

namespace vorlane {

// Takes one tuner side out of the record: the whole record is freed (0xFF) when the other tuner does
// not hold it; otherwise the side's presence byte is cleared, its four links keep only bits 30-31 and
// its favourite bytes are cleared.
void RemoveChannelSide(ChannelRecord record, TunerSide side);

// Copies tuner side `source` to side `destination`: the service word always (a present destination
// also gets its "fs" index from the new scrambled bit); a destination not yet present becomes present
// with links built from the source's keys and indices, and with no favourites. True when the destination
// side was added, false when it was there already or the record is free.
bool CopyChannelSide(ChannelRecord record, TunerSide source, TunerSide destination);

// Gives the record another service type and carries it into the type bits of the links of every
// present side.
void SetChannelType(ChannelRecord record, unsigned type);

} // namespace vorlane
