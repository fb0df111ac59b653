#pragma once
// m_pKChannel: copies of the TV and then the radio channels in main-list order, each followed by its
// PK, and for every PK its position in that array.

#include "database/channel_database.h"

namespace vorlane {

// Clears the array and fills it from the TV main list, then the radio main list. PKs not listed get
// position -1. Returns the number of entries filled.
int RebuildPkChannel(ChannelDatabase& db);

} // namespace vorlane
