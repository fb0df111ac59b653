#include "listtools/folded_text.h"

#include <array>
#include <cstdint>

namespace vorlane {

namespace {

constexpr std::uint8_t kMultiply = 0xD7; // the only non-letter among the ISO-8859-1 capitals
constexpr std::uint8_t kDivide = 0xF7;

std::uint8_t LowerByte(std::uint8_t c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::uint8_t>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != kMultiply)
        return static_cast<std::uint8_t>(c + 0x20);
    return c;
}

// The base letter of each lower-case ISO-8859-1 letter from 0xE0 to 0xFF; 0 where there is none.
constexpr std::array<char, 32> kBaseLetters = {'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e',
                                               'e', 'i', 'i', 'i', 'i', 0,   'n', 'o', 'o', 'o', 'o',
                                               'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   'y'};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string LowerCased(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(LowerByte(static_cast<std::uint8_t>(c)));
    return lower;
}

std::string FoldedText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (const char c : text) {
        const std::uint8_t lower = LowerByte(static_cast<std::uint8_t>(c));
        if (lower >= 0xE0 && lower != kDivide && kBaseLetters[lower - 0xE0] != 0)
            folded += kBaseLetters[lower - 0xE0];
        else if (lower == 0xE6)
            folded += "ae";
        else if (lower == 0xDF)
            folded += "ss";
        else
            folded += static_cast<char>(lower);
    }
    return folded;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

} // namespace vorlane
