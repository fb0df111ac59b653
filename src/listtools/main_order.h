#pragma once
// Giving a main list a new order: the channel number of each side is the key of its main link, so a new
// order is written into those keys and the lists are built again from the records.

#include "database/channel_database.h"

#include <vector>

namespace vorlane {

// Numbers the listed sides 1, 2, 3, ... in the order given (their main-link keys 0, 1, 2, ...). The
// sides must all belong to one tuner side and one type; the lists are not rebuilt.
void WriteMainOrder(ChannelDatabase& db, const std::vector<Pk>& pks);

// After a tool changed records: every list built again from the records and m_pKChannel refilled.
void RebuildAfterListEdit(ChannelDatabase& db);

} // namespace vorlane
