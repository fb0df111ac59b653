#pragma once
// The standard decimal conversion over a fixed-width text field that has no terminator.

#include "platform/bytes.h"

#include <cstdint>
#include <optional>

namespace vorlane {

// Leading white space and one sign are allowed; reading stops at the first non-digit or the end of
// the field. Empty when no digit was read. Values beyond the 32-bit range are clamped.
std::optional<std::int32_t> ParseDecimal(ConstByteSpan field);

// The same, with 0 for a field without digits.
inline std::int32_t DecimalOrZero(ConstByteSpan field) {
    return ParseDecimal(field).value_or(0);
}

// The white-space characters of the C locale: blank, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsWhiteSpace(std::uint8_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr bool IsDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

} // namespace vorlane
