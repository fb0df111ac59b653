#pragma once
// Millisecond tick clock and sleeping for the loader's pauses and time-outs.

#include <cstdint>

namespace vorlane {

// Milliseconds from a monotonic clock; unaffected by changes of the wall-clock time.
std::uint64_t TickCountMs();

void SleepMs(std::uint32_t milliseconds);

} // namespace vorlane
