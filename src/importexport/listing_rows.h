#pragma once
// One row of the text listing per record, in fixed-width columns separated by bars. Names are
// written as the bytes they are stored as.

#include "database/channel_database.h"

#include <string>

namespace vorlane {

void AppendSatelliteRow(std::string& out, ConstSatelliteRecord satellite);

// `pk` is the transponder's PK (its record index); the counts are those of the transponder's TV, radio and data channel
// lists.
struct TransponderCounts {
    int tv = 0;
    int radio = 0;
    int data = 0;
};
void AppendTransponderRow(std::string& out, ConstTransponderRecord transponder, Pk pk, TransponderCounts counts);

// `pk` names the record's tuner side whose fields are shown; `classWord` fills the CLASS column.
void AppendChannelRow(std::string& out, ConstChannelRecord channel, Pk pk, const char* classWord);

} // namespace vorlane
