#pragma once
// Which of the six band lists a transponder belongs to.

namespace vorlane {

inline constexpr int kBandCount = 6;

// 2 x sub-band, plus 1 for vertical polarisation. Only a universal (two-band) LNB has sub-bands:
// 1 for 10700..11699 MHz, 2 for 11700..12749 MHz; everything else is sub-band 0.
int BandNumber(int lnbType, unsigned frequencyMhz, unsigned polarisation);

} // namespace vorlane
