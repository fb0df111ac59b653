#pragma once
// Record edits behind the "Channel Property" dialog: the blank record a new channel starts from, the audio PIDs
// stored without gaps, the move between the free and scrambled lists, the link words of a new channel, and the
// one-line description of its transponder.

#include "database/channel_database.h"

#include <array>
#include <cstdint>
#include <string>

namespace vorlane {

using AudioPids = std::array<std::uint16_t, ChannelRecord::kAudioPidCount>;

// All 112 bytes 0 except the type byte (3, "none") and the audio-language word (0xFFFFFFFF).
void FillBlankChannel(ChannelRecord record);

// The non-zero PIDs in the given order, first slot on, the rest 0; the side's audio count says how many.
void StoreAudioPids(ChannelRecord record, int side, const AudioPids& pids);

// Sets the scrambled bit of the side's service word. When it changes, the side leaves its "fs" list (index 0
// free, 1 scrambled) and becomes the last entry of its side in the other one.
void SetChannelScrambled(OrderedLists& lists, ChannelRecord record, int pk, bool scrambled);

// Makes the blank-started record a channel of `type` on tuner side `side` of the transponder: its presence
// byte, and its four link words with the type, the key 5000 (behind every listed channel), the side bit, and
// as index 0 (main), the scrambled bit ("fs"), the transponder's satellite and the transponder. The side bit is
// what files a channel into its tuner's own lists, so a tuner-2 channel carries 1 there, not 0.
void PrepareNewChannel(ChannelRecord record, int side, ServiceType type, int transponderIndex,
                       ConstTransponderRecord transponder);

// "%d   SR : %d   %s   %s\n": frequency, symbol rate, FEC text and polarisation text.
std::string TransponderSummary(ConstTransponderRecord transponder);

} // namespace vorlane
