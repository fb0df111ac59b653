#pragma once
// The difference between two equally long byte buffers as the exclusive-or of their bytes with the runs of
// zeros left out: pairs of (unchanged run, changed run) lengths as varints, each changed run followed by its
// bytes. Applying a delta turns either buffer into the other, so one delta serves undo and redo.

#include "platform/bytes.h"

#include <cstdint>
#include <vector>

namespace vorlane {

// The delta that turns `baseline` into `live`; `baseline` then equals `live`. Empty when nothing differs.
std::vector<std::uint8_t> TakeXorDelta(ByteSpan baseline, ConstByteSpan live);
// Applies `delta` to every buffer in turn.
void ApplyXorDelta(const std::vector<std::uint8_t>& delta, ByteSpan first, ByteSpan second);
// One delta doing what `first` and then `second` do, over buffers of `size` bytes.
std::vector<std::uint8_t> ComposeXorDeltas(const std::vector<std::uint8_t>& first,
                                           const std::vector<std::uint8_t>& second, std::size_t size);

} // namespace vorlane
