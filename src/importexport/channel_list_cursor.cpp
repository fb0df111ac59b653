#include "importexport/channel_list_cursor.h"

#include "importexport/decimal_field.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vorlane {

namespace {

constexpr std::uint8_t kQuote = '"';
constexpr std::array<std::string_view, 3> kRecordMarks = {":SAT", ":TRP", ":CHN"};

bool IsLineEnd(std::uint8_t c) {
    return c == '\n' || c == '\r';
}

} // namespace

bool ChannelListCursor::StartsWith(std::string_view text) const {
    return m_bytes.size() - std::min(m_pos, m_bytes.size()) >= text.size() &&
           std::memcmp(m_bytes.data() + m_pos, text.data(), text.size()) == 0;
}

void ChannelListCursor::Skip(std::size_t count) {
    m_pos = std::min(m_bytes.size(), m_pos + count);
}

bool ChannelListCursor::FindChar(std::uint8_t c) {
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != c)
        ++m_pos;
    return m_pos < m_bytes.size();
}

bool ChannelListCursor::MarkAt(std::size_t at) const {
    if (at >= m_bytes.size() || m_bytes[at] != ':')
        return false;
    const std::string_view rest(reinterpret_cast<const char*>(m_bytes.data()) + at, m_bytes.size() - at);
    return std::any_of(kRecordMarks.begin(), kRecordMarks.end(),
                       [&rest](std::string_view mark) { return rest.starts_with(mark); });
}

std::string ChannelListCursor::NextToken() {
    while (m_pos < m_bytes.size() && IsWhiteSpace(m_bytes[m_pos]))
        ++m_pos;
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && m_pos - start < kMaxTokenLength && !IsWhiteSpace(m_bytes[m_pos]) && !MarkAt(m_pos))
        ++m_pos;
    return Text(start, m_pos);
}

std::string ChannelListCursor::QuotedText(std::size_t maxLength) {
    std::size_t opening = m_pos;
    while (opening < m_bytes.size() && m_bytes[opening] != kQuote && !MarkAt(opening))
        ++opening;
    if (opening >= m_bytes.size() || m_bytes[opening] != kQuote)
        return {};
    const std::size_t start = opening + 1;
    // Without its closing quote the text stays inside its line and never takes in the next record.
    std::size_t end = start;
    while (end < m_bytes.size() && m_bytes[end] != kQuote && !IsLineEnd(m_bytes[end]) && !MarkAt(end))
        ++end;
    const bool closed = end < m_bytes.size() && m_bytes[end] == kQuote;
    m_pos = closed ? end + 1 : end;
    return Text(start, std::min(end, start + (maxLength - 1)));
}

std::string ChannelListCursor::Text(std::size_t begin, std::size_t end) const {
    return std::string(m_bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                       m_bytes.begin() + static_cast<std::ptrdiff_t>(end));
}

} // namespace vorlane
