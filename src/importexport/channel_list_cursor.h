#pragma once
// The reading steps of the channel list reader: a cursor into the file's bytes that finds
// characters, reads white-space separated tokens and quoted texts, and never reads past the end.

#include "platform/bytes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

class ChannelListCursor {
public:
    static constexpr std::size_t kMaxTokenLength = 255;

    explicit ChannelListCursor(ConstByteSpan bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    std::size_t position() const { return m_pos; }
    bool startsWith(std::string_view text) const;
    void skip(std::size_t count);

    // Moves to the next `c` at or after the cursor; false (cursor at the end) when there is none.
    bool FindChar(std::uint8_t c);
    // Skips white space and takes the run of characters up to the next white-space character, at
    // most 255 of them; the cursor stays on the character that ended the token.
    std::string NextToken();
    // The text between the next double quote and the one after it, at most `maxLength` - 1 bytes
    // (`maxLength` counts the NUL of the field it goes into); the cursor ends behind the closing
    // quote, also when the text had to be cut. Empty when there is no opening quote, or when the
    // buffer ends before the closing quote and before the text reached its most bytes.
    std::optional<std::string> QuotedText(std::size_t maxLength);

private:
    ConstByteSpan m_bytes;
    std::size_t m_pos = 0;
};

} // namespace vorlane
