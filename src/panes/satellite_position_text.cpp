#include "panes/satellite_position_text.h"

#include <cctype>

namespace vorlane {

std::string FormatOrbitalDegrees(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

bool ParseOrbitalTenths(std::string_view text, int maxTenths, int& tenths) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        for (const char c : s)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        return true;
    };
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction))
        return false;
    long value = 0;
    for (const char c : whole) {
        value = value * 10 + (c - '0');
        if (value * 10 > maxTenths)
            return false;
    }
    value = value * 10 + (fraction.empty() ? 0 : fraction.front() - '0');
    if (value > maxTenths)
        return false;
    tenths = static_cast<int>(value);
    return true;
}

} // namespace vorlane
