#pragma once
// The satellite's orbital position as the dialog shows it: degrees with one decimal, the sign kept apart as
// "EAST" / "WEST". Parsed from the text itself so that "19.2" gives exactly 192 tenths (a float would give 191).

#include <string>
#include <string_view>

namespace vorlane {

// Degrees with one decimal for an unsigned number of tenths: 192 -> "19.2", 50 -> "5.0".
std::string FormatOrbitalDegrees(int tenths);

// "19", "19.2", "19.25", ".5" -> tenths truncated towards zero (190, 192, 192, 5). False for anything that is not
// digits with at most one decimal point, or for more than maxTenths.
bool ParseOrbitalTenths(std::string_view text, int maxTenths, int& tenths);

} // namespace vorlane
