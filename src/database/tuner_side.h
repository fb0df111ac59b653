#pragma once
// The tuner a per-tuner field belongs to. Tuner 1 is side 0 and tuner 2 side 1 in the record layout: the
// tuner-2 copy of a field follows the tuner-1 copy. Numbers appear only at the edges, through the helpers below.

#include <array>

namespace vorlane {

enum class TunerSide : int { First = 0, Second = 1 };

inline constexpr std::array<TunerSide, 2> kTunerSides{TunerSide::First, TunerSide::Second};

// 0 or 1: the side's place among per-tuner fields, in per-side arrays and in the tuner choice lists.
constexpr int SideIndex(TunerSide side) {
    return static_cast<int>(side);
}
constexpr TunerSide OtherSide(TunerSide side) {
    return side == TunerSide::First ? TunerSide::Second : TunerSide::First;
}
// The number users read and type: 1 or 2.
constexpr int TunerNumber(TunerSide side) {
    return static_cast<int>(side) + 1;
}
// The side a stored side bit names (the link word's bit 30, the clipboard's side byte): 0 is tuner 1, anything
// else tuner 2.
constexpr TunerSide SideOfBit(unsigned bit) {
    return bit == 0 ? TunerSide::First : TunerSide::Second;
}
constexpr unsigned SideBit(TunerSide side) {
    return static_cast<unsigned>(side);
}

} // namespace vorlane
