#include "importexport/channel_list_cursor.h"

#include "importexport/decimal_field.h"

#include <algorithm>
#include <cstring>

namespace vorlane {

namespace {

constexpr std::uint8_t kQuote = '"';

} // namespace

bool ChannelListCursor::startsWith(std::string_view text) const {
    return m_bytes.size() - std::min(m_pos, m_bytes.size()) >= text.size() &&
           std::memcmp(m_bytes.data() + m_pos, text.data(), text.size()) == 0;
}

void ChannelListCursor::skip(std::size_t count) {
    m_pos = std::min(m_bytes.size(), m_pos + count);
}

bool ChannelListCursor::FindChar(std::uint8_t c) {
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != c)
        ++m_pos;
    return m_pos < m_bytes.size();
}

std::string ChannelListCursor::NextToken() {
    while (m_pos < m_bytes.size() && IsWhiteSpace(m_bytes[m_pos]))
        ++m_pos;
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && m_pos - start < kMaxTokenLength && !IsWhiteSpace(m_bytes[m_pos]))
        ++m_pos;
    return std::string(m_bytes.begin() + static_cast<std::ptrdiff_t>(start),
                       m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos));
}

std::optional<std::string> ChannelListCursor::QuotedText(std::size_t maxLength) {
    if (!FindChar(kQuote))
        return std::nullopt;
    const std::size_t start = m_pos + 1;
    const std::size_t most = maxLength - 1;
    std::size_t length = 0;
    while (length < most) {
        if (start + length >= m_bytes.size())
            return std::nullopt;
        if (m_bytes[start + length] == kQuote)
            break;
        ++length;
    }
    std::string text(m_bytes.begin() + static_cast<std::ptrdiff_t>(start),
                     m_bytes.begin() + static_cast<std::ptrdiff_t>(start + length));
    m_pos = start + length;
    // A text cut at the field's length still ends at its closing quote, so the fields after it
    // are read from where they stand.
    FindChar(kQuote);
    skip(1);
    return text;
}

} // namespace vorlane
