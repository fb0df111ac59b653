#pragma once
// The one clock of the simulated receiver: line pacing, timers and transcripts all use it.

#include <chrono>

namespace vorlane {

using SimClock = std::chrono::steady_clock;

} // namespace vorlane
