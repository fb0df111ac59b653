#include "storage/generation_wrap.h"

#include <algorithm>

namespace vorlane {

namespace {

constexpr std::uint32_t kLowBits = 0xF;

int Compare(std::uint32_t a, std::uint32_t b) {
    return (a > b) - (a < b);
}

bool LowBitsKeepOrder(std::span<const SectorAge> others) {
    for (std::size_t i = 0; i < others.size(); ++i)
        for (std::size_t j = i + 1; j < others.size(); ++j) {
            const SectorAge& a = others[i];
            const SectorAge& b = others[j];
            if (a.logical < 0 || a.logical != b.logical)
                continue;
            if (Compare(a.generation, b.generation) != Compare(a.generation & kLowBits, b.generation & kLowBits))
                return false;
        }
    return true;
}

} // namespace

std::vector<std::uint32_t> WrapGenerations(std::span<const SectorAge> others) {
    std::vector<std::uint32_t> result;
    result.reserve(others.size());
    if (LowBitsKeepOrder(others)) {
        for (const SectorAge& age : others)
            result.push_back(age.generation & kLowBits);
        return result;
    }
    // Rank among the distinct non-zero generations: at most 11 values, so they stay below 0x10.
    std::vector<std::uint32_t> distinct;
    for (const SectorAge& age : others)
        if (age.generation != 0)
            distinct.push_back(age.generation);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (const SectorAge& age : others) {
        const auto rank = std::lower_bound(distinct.begin(), distinct.end(), age.generation) - distinct.begin();
        result.push_back(age.generation == 0 ? 0 : static_cast<std::uint32_t>(rank + 1));
    }
    return result;
}

} // namespace vorlane
