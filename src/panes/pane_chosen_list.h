#pragma once
// Which list the user chose last: a satellite (or "All"), a transponder or a favourite group. The channel panes
// take their source and filters from it.

namespace vorlane {

struct ChosenList {
    enum Kind : int { kSatellite = 1, kTransponder = 2, kFavourite = 3 };

    Kind kind = kSatellite;
    int index = -1; // satellite (-1 = "All"), transponder or favourite group index

    bool Favourite() const { return kind == kFavourite; }
};

} // namespace vorlane
