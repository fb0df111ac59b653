#pragma once
// Emulates the time a serial line needs to carry bytes: each byte takes ten bit times
// (start bit, eight data bits, stop bit), and a byte cannot start before the previous one has passed.

#include "sim/sim_clock.h"

namespace vorlane {

class LinePacer {
public:
    static constexpr unsigned kBitsPerByte = 10;

    // 0 bits per second means an infinitely fast line: nothing is delayed.
    explicit LinePacer(unsigned bitsPerSecond);

    bool Paced() const { return m_bitsPerSecond != 0; }

    // Hands one byte to the line no earlier than `earliest`; returns when it has completely passed.
    SimClock::time_point ScheduleByte(SimClock::time_point earliest);

private:
    unsigned m_bitsPerSecond;
    // Bytes queued since the line last went idle, timed from that moment so rounding never accumulates.
    SimClock::time_point m_burstStart{};
    unsigned long long m_burstBytes = 0;
    SimClock::time_point m_lineFreeAt{};
};

} // namespace vorlane
