#pragma once
// The record a new transponder starts from: 12000 MHz, 27500 kS/s, TS ID 0, polarisation and FEC "Auto", network
// name "ADD", and list keys of 1499 in the whole list and in its satellite's list so that it sorts last.

#include "database/transponder_record.h"

namespace vorlane {

inline constexpr unsigned kNewTransponderFrequency = 12000;
inline constexpr unsigned kNewTransponderSymbolRate = 27500;
inline constexpr unsigned kNewTransponderKey = 1499;

// Fills all 48 bytes (those the new record does not name are 0).
void FillNewTransponder(TransponderRecord record, int satelliteIndex);

} // namespace vorlane
