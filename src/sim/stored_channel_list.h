#pragma once
// What the simulated receiver makes of an uploaded channel block: it keeps the image behind the block header
// in its flash and, asked for its channel data, sends that image behind a header of its own.

#include "platform/bytes.h"

#include <cstdint>
#include <vector>

namespace vorlane {

// True for a block the receiver takes as its channel list: requested as channel data (class 1), or sent
// through the boot monitor with the channel block id in its header.
bool IsChannelBlock(int transferClass, ConstByteSpan block);

// The channel data as the receiver sends them: the block with its first 128 bytes replaced by the receiver's
// own header (erased flash, the load address in bytes 2-3 and 6-7).
std::vector<std::uint8_t> ChannelListAsSent(ConstByteSpan block);

} // namespace vorlane
