#pragma once
// Channel names compared the way people read them. Names are stored as ISO-8859-1 bytes.

#include <string>
#include <string_view>

namespace vorlane {

// Lower case, for ASCII and the accented capitals of ISO-8859-1 ("ÉTÉ" reads "été").
std::string LowerCased(std::string_view text);

// Lower case with accents dropped ("Élan" and "elan" are the same); sorting and filtering use it.
std::string FoldedText(std::string_view text);

// Without leading and trailing blanks.
std::string_view Trimmed(std::string_view text);

// ISO-8859-1 bytes as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

} // namespace vorlane
