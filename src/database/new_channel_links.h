#pragma once
// The link words a channel record gets before it is added to a transponder as a new channel.

#include "database/channel_database.h"

namespace vorlane {

// Makes the record a channel of `type` on tuner side `side` of the transponder: its presence byte, and its four
// link words with the type, the key 5000 (behind every listed channel), the side bit, and as index 0 (main), the
// scrambled bit ("fs"), the transponder's satellite and the transponder. The side bit is what files a channel
// into its tuner's own lists, so a tuner-2 channel carries 1 there, not 0.
void PrepareNewChannel(ChannelRecord record, TunerSide side, ServiceType type, int transponderIndex,
                       ConstTransponderRecord transponder);

} // namespace vorlane
