#pragma once
// Which list the user chose last: a satellite (or "All"), a transponder or a favourite group. The channel panes
// take their source and filters from it.

namespace vorlane {

struct ChosenList {
    enum Kind : int { Satellite = 1, Transponder = 2, Favourite = 3 };

    Kind kind = Satellite;
    int index = -1; // satellite (-1 = "All"), transponder or favourite group index

    bool favourite() const { return kind == Favourite; }
};

} // namespace vorlane
