#include "loader/monitor_line_ring.h"

#include <algorithm>

namespace vorlane {
namespace {

constexpr std::uint8_t kBackspace = 0x08;
constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::string_view kContinuation = ">>> ";

} // namespace

void MonitorLineRing::Clear() {
    m_line = 0;
    m_column = 0;
    m_wrapped = false;
    m_lines[0].fill(0);
}

void MonitorLineRing::NextLine() {
    if (++m_line == kLineCount) {
        m_line = 0;
        m_wrapped = true;
    }
    m_lines[m_line].fill(0);
}

void MonitorLineRing::Add(std::uint8_t byte) {
    switch (byte) {
    case kBackspace:
        if (m_column > 0)
            --m_column;
        return;
    case kLineFeed:
        NextLine();
        return;
    case kCarriageReturn:
        m_column = 0;
        return;
    default:
        break;
    }
    if (m_column >= kLineLength) {
        NextLine();
        std::copy(kContinuation.begin(), kContinuation.end(), m_lines[m_line].begin());
        m_column = kContinuation.size();
    }
    m_lines[m_line][m_column++] = byte;
}

bool MonitorLineRing::CurrentLineStartsWith(std::string_view prefix) const {
    const auto& line = m_lines[m_line];
    return prefix.size() <= kLineLength &&
           std::equal(prefix.begin(), prefix.end(), line.begin(),
                      [](char expected, std::uint8_t stored) { return static_cast<std::uint8_t>(expected) == stored; });
}

void MonitorLineRing::BlankStart(std::size_t count) {
    std::fill_n(m_lines[m_line].begin(), std::min(count, kLineLength), static_cast<std::uint8_t>(' '));
}

} // namespace vorlane
