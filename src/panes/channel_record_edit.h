#pragma once
// Record edits behind the "Channel Property" dialog: the blank record a new channel starts from, the audio PIDs
// stored without gaps, the move between the free and scrambled lists, and the one-line description of its
// transponder.

#include "database/channel_database.h"
#include "database/new_channel_links.h"

#include <array>
#include <cstdint>
#include <string>

namespace vorlane {

using AudioPids = std::array<std::uint16_t, ChannelRecord::kAudioPidCount>;

// All 112 bytes 0 except the type byte (3, "none") and the audio-language word (0xFFFFFFFF).
void FillBlankChannel(ChannelRecord record);

// The non-zero PIDs in the given order, first slot on, the rest 0; the side's audio count says how many.
void StoreAudioPids(ChannelRecord record, TunerSide side, const AudioPids& pids);

// Sets the scrambled bit of the side's service word. When it changes, the side leaves its "fs" list (index 0
// free, 1 scrambled) and becomes the last entry of its side in the other one.
void SetChannelScrambled(OrderedLists& lists, ChannelRecord record, Pk pk, bool scrambled);

// "%d   SR : %d   %s   %s\n": frequency, symbol rate, FEC text and polarisation text.
std::string TransponderSummary(ConstTransponderRecord transponder);

} // namespace vorlane
