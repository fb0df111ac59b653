#include "cli/json_text.h"

#include <cstdint>
#include <cstdio>

namespace vorlane::cli {
namespace {

// The length of the valid UTF-8 sequence that starts at `at`, or 0 when the byte there starts none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    std::uint32_t code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= lowest && code <= 0x10FFFF && !surrogate ? length : 0;
}

void AppendEscaped(std::string& out, const char* format, unsigned value) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, value);
    out += escaped;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            AppendEscaped(out, "\\\\x%02x", static_cast<std::uint8_t>(c));
            ++i;
            continue;
        }
        if (length > 1) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        ++i;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                AppendEscaped(out, "\\u%04x", static_cast<unsigned>(c));
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

std::string Utf8FromLatin1(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto code = static_cast<std::uint8_t>(c);
        if (code < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0u | (code >> 6));
            out += static_cast<char>(0x80u | (code & 0x3Fu));
        }
    }
    return out;
}

std::string PrintableName(std::string_view latin1) {
    std::string shown(latin1);
    for (char& c : shown) {
        const auto code = static_cast<std::uint8_t>(c);
        if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            c = '?';
    }
    return Utf8FromLatin1(shown);
}

} // namespace vorlane::cli
