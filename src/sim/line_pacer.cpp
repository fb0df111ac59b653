#include "sim/line_pacer.h"

namespace vorlane {

LinePacer::LinePacer(unsigned bitsPerSecond) : m_bitsPerSecond(bitsPerSecond) {}

SimClock::time_point LinePacer::ScheduleByte(SimClock::time_point earliest) {
    if (!Paced())
        return earliest;
    if (earliest > m_lineFreeAt) {
        m_burstStart = earliest;
        m_burstBytes = 0;
    }
    ++m_burstBytes;
    const auto nanoseconds = m_burstBytes * kBitsPerByte * 1'000'000'000ULL / m_bitsPerSecond;
    m_lineFreeAt = m_burstStart + std::chrono::duration_cast<SimClock::duration>(std::chrono::nanoseconds(nanoseconds));
    return m_lineFreeAt;
}

} // namespace vorlane
