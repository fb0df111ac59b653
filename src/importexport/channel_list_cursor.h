#pragma once
// The reading steps of the channel list reader: a cursor into the file's bytes that finds
// characters, reads white-space separated tokens and quoted texts, and never reads past the end.

#include "platform/bytes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlane {

class ChannelListCursor {
public:
    static constexpr std::size_t kMaxTokenLength = 255;

    explicit ChannelListCursor(ConstByteSpan bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    std::size_t CurrentPosition() const { return m_pos; }
    bool StartsWith(std::string_view text) const;
    void Skip(std::size_t count);

    // Moves to the next `c` at or after the cursor; false (cursor at the end) when there is none.
    bool FindChar(std::uint8_t c);
    // True when a record mark (":SAT", ":TRP", ":CHN") starts at `at`.
    bool MarkAt(std::size_t at) const;
    // Skips white space and takes the run of characters up to the next white-space character or record mark, at
    // most 255 of them; the cursor stays on the character that ended the token. Empty when a record mark or the
    // end comes first: the field is missing.
    std::string NextToken();
    // The text between the next double quote and the one after it, at most `maxLength` - 1 bytes (`maxLength`
    // counts the NUL of the field it goes into); the cursor ends behind the closing quote, also when the text
    // had to be cut. A text ends early, with the cursor left there, at the end of its line or at a record mark,
    // whichever comes before a closing quote. Empty, with the cursor where it was, when no opening quote comes
    // before the next record mark: the field is missing.
    std::string QuotedText(std::size_t maxLength);

private:
    std::string Text(std::size_t begin, std::size_t end) const;

    ConstByteSpan m_bytes;
    std::size_t m_pos = 0;
};

} // namespace vorlane
