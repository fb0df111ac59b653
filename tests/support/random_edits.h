#pragma once
// Random edits of a generated database, as the editor's commands make them, for the long random tests.
// Dice: mt19937 and plain modulo, so that a seed gives the same rolls with every standard library.

#include "database/channel_database.h"

#include <random>
#include <string>
#include <vector>

namespace vorlane::testing {

class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    bool Percent(int p) { return Below(100) < p; }
    template <typename C> auto Pick(const C& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(std::size(items))))];
    }

private:
    std::mt19937 m_engine;
};

// Runs one random operation (add, delete, favourites, move, tuner copy, merge, ...) and returns what it was,
// for the failure message.
std::string RandomStep(Dice& dice, ChannelDatabase& db);

} // namespace vorlane::testing
