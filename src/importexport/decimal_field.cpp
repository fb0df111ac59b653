#include "importexport/decimal_field.h"

#include <cstdint>
#include <limits>

namespace vorlane {

std::optional<std::int32_t> ParseDecimal(ConstByteSpan field) {
    std::size_t i = 0;
    while (i < field.size() && IsWhiteSpace(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    bool anyDigit = false;
    for (; i < field.size() && IsDigit(field[i]); ++i) {
        anyDigit = true;
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (field[i] - '0');
    }
    if (!anyDigit)
        return std::nullopt;
    if (magnitude > kLimit)
        magnitude = kLimit;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace vorlane
