#pragma once
// Case folding of the receiver's ISO-8859-1 names: A-Z and the accented capitals (except the multiplication
// sign) fold to their small letters, so that a search for "ö" finds "Ö" and a sort by name ignores case.

namespace vorlane {

inline char FoldLatin1Case(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool asciiCapital = byte >= 'A' && byte <= 'Z';
    const bool accentedCapital = byte >= 0xC0 && byte <= 0xDE && byte != 0xD7;
    return asciiCapital || accentedCapital ? static_cast<char>(byte + 0x20) : c;
}

} // namespace vorlane
