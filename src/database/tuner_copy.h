#pragma once
// Copying the channel lists of one tuner to the other, and merging the two.

#include "database/channel_database.h"

namespace vorlane {

// Copies every TV and radio channel side of tuner `source` to tuner `destination`, keeping
// its channel numbers; a side the destination already holds only gets the source's service word.
// With clearFirst the destination's TV and radio sides are removed beforehand (its data channels
// stay). All channel lists are rebuilt. Returns the number of sides added, 0 when both sides are the same.
// The caller sets the modified flag.
int CopyTunerChannels(ChannelDatabase& db, TunerSide source, TunerSide destination, bool clearFirst);

// Copies tuner 1's TV and radio sides to tuner 2 and then tuner 2's to tuner 1, and rebuilds all
// channel lists. Returns the number of sides added.
int MergeTuners(ChannelDatabase& db);

} // namespace vorlane
