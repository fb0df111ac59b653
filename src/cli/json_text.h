#pragma once
// Texts written into vorlane-cli's output: JSON string literals that are always valid UTF-8, and names stored as
// ISO-8859-1 bytes made readable.

#include <string>
#include <string_view>

namespace vorlane::cli {

// The text as a JSON string literal, quotes included. Control characters, quotes and backslashes are escaped.
// Valid UTF-8 passes unchanged; every byte that is not part of valid UTF-8 (a path is only bytes) becomes the
// six characters \\xNN in the literal, i.e. the text `\xNN`.
std::string JsonString(std::string_view text);

// ISO-8859-1 bytes (the receiver's names) as UTF-8.
std::string Utf8FromLatin1(std::string_view bytes);

// A name for one line of text: as UTF-8, every control character shown as '?'.
std::string PrintableName(std::string_view latin1);

} // namespace vorlane::cli
