#pragma once
// A small database for the list tool tests: two satellites and five transponders, channels put in by name.

#include "database/database_lifecycle.h"
#include "listtools/channel_entries.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane::testing {

// Transponders: 0 and 1 on satellite 0 at 11303 H, 2 on satellite 0 at 11304 H, 3 on satellite 0 at
// 11303 V, 4 on satellite 1 at 12000 V. Satellite 1 comes first in the satellite list.
inline void PutListToolSatellites(ChannelDatabase& db) {
    PutSatellite(db, 0, "Astra", 1, 1);
    PutSatellite(db, 1, "Hotbird", 1, 0);
    PutTransponder(db, 0, 0, 11303, 1, 0);
    PutTransponder(db, 1, 0, 11303, 1, 1);
    PutTransponder(db, 2, 0, 11304, 1, 2);
    PutTransponder(db, 3, 0, 11303, 2, 3);
    PutTransponder(db, 4, 1, 12000, 2, 0);
}

struct Channel {
    std::string name;
    int transponder = 0;
    int programNumber = 0;
    ServiceType type = ServiceType::Tv;
    bool onTuner2 = false;
    int favouriteGroup = -1;
};

// Channels in list order on tuner 1 (and tuner 2 where asked), slots from 0.
inline void PutChannels(ChannelDatabase& db, const std::vector<Channel>& channels) {
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const Channel& c = channels[i];
        ChannelSpec spec;
        spec.type = c.type;
        spec.transponder = c.transponder;
        spec.onTuner2 = c.onTuner2;
        spec.key1 = spec.key2 = static_cast<unsigned>(i);
        spec.favouriteGroup = c.favouriteGroup;
        PutChannel(db, static_cast<int>(i), spec);
        db.Channel(static_cast<int>(i)).SetName(c.name);
        db.Channel(static_cast<int>(i)).SetProgramNumber(static_cast<std::uint16_t>(c.programNumber));
        db.Channel(static_cast<int>(i)).SetPmtPid(0x100); // the same in every list, so only real changes show
    }
    db.BuildAllLists();
}

inline void MakeListToolDatabase(ChannelDatabase& db, const std::vector<Channel>& channels) {
    ASSERT_EQ(1, Init(db));
    PutListToolSatellites(db);
    PutChannels(db, channels);
}

inline std::vector<std::string> MainListNames(const ChannelDatabase& db, TunerSide side = TunerSide::First,
                                              ServiceType type = ServiceType::Tv) {
    std::vector<std::string> names;
    for (const ChannelEntry& entry : MainListEntries(db, side, type))
        names.push_back(entry.name);
    return names;
}

} // namespace vorlane::testing
