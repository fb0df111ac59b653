#pragma once
// What the list panes show, as record numbers in row order: satellites, transponders, and the channel sides
// (PKs) of a channel pane after its source list and filters. Plain C++, no window system.

#include "database/channel_database.h"
#include "panes/pane_chosen_list.h"

#include <vector>

namespace vorlane {

// Satellite indices of the satellite list; sort mode 1 orders them by signed orbital position.
std::vector<int> SatelliteRows(const ChannelDatabase& db, int sortMode);

// Transponder indices of one satellite's list (-1: the whole transponder list); sort mode 1 orders them by
// frequency, any mode but 0 and 1 keeps list order with the trace "unknown sort method...".
std::vector<int> TransponderRows(const ChannelDatabase& db, int satellite, int sortMode);

struct ChannelRowsQuery {
    ServiceType type = ServiceType::Tv;
    int displayFilter = 0; // a DisplayFilterCommand
    ChosenList chosen;
    int satellite = -1; // -1 = any
    int transponder = -1;
    int favourite = -1;
    bool sortedByName = false;
};

// Channel PKs of the source list (the chosen favourite group, or the list the display filter names) that are of
// the pane's type and pass the three filters, in list order (or by name when asked). An unknown display filter
// gives no rows.
std::vector<Pk> ChannelRows(const ChannelDatabase& db, const ChannelRowsQuery& query);

// Selection rules of the channel panes: 0 every row, 1 tuner 1, 2 tuner 2, 3 free, 4 scrambled, 5 locked,
// 6 skipped.
bool MatchesSelectionRule(const ChannelDatabase& db, Pk pk, int rule);

} // namespace vorlane
