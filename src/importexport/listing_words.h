#pragma once
// The words the text listing writes for coded record fields.

namespace vorlane {

// Polarisation of a test channel or a transponder: 0 "Auto", 1 "Horizontal", 2 "Vertical", any other
// value "unused".
const char* PolarisationWord(unsigned code);
// Tuning word FEC (3 bits): codes 6 and 7 show an empty text.
const char* FecWord(unsigned code);
// LNB switch word DiSEqC type (4 bits): codes 9 to 15 show an empty text.
const char* DiseqcTypeWord(unsigned code);
// Service word audio mode (2 bits).
const char* AudioModeWord(unsigned code);
// CLASS of a favourite member by the record's service type; anything but TV or radio is data.
const char* ServiceClassWord(unsigned serviceType);

} // namespace vorlane
