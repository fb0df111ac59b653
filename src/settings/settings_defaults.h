#pragma once
// The two ways the settings record gets its values without a loaded image: the factory defaults of a new
// receiver image and the start-up settings applied to the held record when the program starts.

#include "settings/receiver_settings.h"

namespace vorlane {

// Factory PINs (four decimal digits each). They differ so that it is visible which path filled a record.
inline constexpr unsigned kDefaultsPin = 1234;
inline constexpr unsigned kStartupPin = 8888;

// Overwrites all 3196 bytes with the factory defaults.
void FillDefaults(ReceiverSettings& settings);

// The PC's current local calendar year (e.g. 2025).
int CurrentLocalYear();

// Sets the fixed start-up subset of fields; every other byte keeps its value.
void ApplyStartupSettings(ReceiverSettings& settings, int localYear = CurrentLocalYear());

} // namespace vorlane
