#pragma once
// Giving a database the channel order of a reference list: matched channels (see ChannelMatcher) take the
// reference's order, unmatched ones follow in their old order; nothing is added or removed.

#include "database/channel_database.h"

namespace vorlane {

struct ApplyOrderResult {
    int matched = 0;   // channel sides found in the reference
    int unmatched = 0; // channel sides left in their old order behind them
};

// Works on the TV and radio main lists of both tuners. A reference without tuner-2 channels gives its
// tuner-1 order to both tuners. With `favourites`, matched channels also take the reference's favourite
// group membership and order, and the groups take the reference's non-empty names. Lists are rebuilt; the
// modified flag is set.
ApplyOrderResult ApplyReferenceOrder(ChannelDatabase& db, const ChannelDatabase& reference, bool favourites);

} // namespace vorlane
