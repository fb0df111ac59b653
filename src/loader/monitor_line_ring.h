#pragma once
// The receiver's text output, line by line, in a ring of 100 lines of 130 characters. Only the line being
// written is ever examined, for the markers and the boot monitor's prompt at its beginning.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vorlane {

class MonitorLineRing {
public:
    static constexpr std::size_t kLineCount = 100;
    static constexpr std::size_t kLineLength = 130; // characters; a terminating zero follows

    MonitorLineRing() { Clear(); }

    // Line 0, column 0, wrapped flag cleared, line 0 zero-filled.
    void Clear();
    // Backspace steps back, line feed opens a fresh line (the column stays), carriage return goes to column 0;
    // anything else is stored, after continuing on a fresh line with ">>> " when the line is full.
    void Add(std::uint8_t byte);

    // The current line, all its characters and the terminating zero.
    std::span<const std::uint8_t> CurrentLine() const { return m_lines[m_line]; }
    bool CurrentLineStartsWith(std::string_view prefix) const;
    // Overwrites the first `count` characters of the current line with blanks; the column is kept.
    void BlankStart(std::size_t count);

    std::size_t LineIndex() const { return m_line; }
    std::size_t Column() const { return m_column; }
    bool Wrapped() const { return m_wrapped; }

private:
    void NextLine();

    std::array<std::array<std::uint8_t, kLineLength + 1>, kLineCount> m_lines{};
    std::size_t m_line = 0;
    std::size_t m_column = 0;
    bool m_wrapped = false;
};

} // namespace vorlane
