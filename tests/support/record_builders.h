#pragma once
// Writers of single used records with consistent link words, for hand-built test tables.

#include "database/channel_database.h"

#include <string>

namespace vorlane::testing {

void PutSatellite(ChannelDatabase& db, int index, const std::string& name, int lnbType, unsigned listKey);

void PutTransponder(ChannelDatabase& db, int index, int satellite, unsigned frequency, unsigned polarisation,
                    unsigned key);

struct ChannelSpec {
    ServiceType type = ServiceType::Tv;
    int transponder = 0;
    bool onTuner1 = true;
    bool onTuner2 = false;
    unsigned key1 = 0; // key of every tuner-1 link
    unsigned key2 = 0; // key of every tuner-2 link
    bool scrambled = false;
    int favouriteGroup = -1; // joins this group on each present tuner at position `key`
};

// The satellite comes from the transponder's satellite link.
void PutChannel(ChannelDatabase& db, int slot, const ChannelSpec& spec);

} // namespace vorlane::testing
