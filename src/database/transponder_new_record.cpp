#include "database/transponder_new_record.h"

#include <cstring>

namespace vorlane {

void FillNewTransponder(TransponderRecord record, int satelliteIndex) {
    std::memset(record.RecordBytes(), 0, TransponderRecord::kSize);
    record.SetNetworkName("ADD");
    record.SetFrequency(kNewTransponderFrequency);
    record.SetSymbolRate(kNewTransponderSymbolRate);
    record.SetTransportStreamId(0);
    TuningWord tuning;
    tuning.SetPolarisation(kPolarisationAuto);
    tuning.SetFec(5); // "Auto"
    record.SetTuning(tuning);
    record.SetListLink(LinkWord().WithKey(kNewTransponderKey).ToForm16());
    record.SetSatelliteLink(LinkWord().WithIndex(static_cast<unsigned>(satelliteIndex)).WithKey(kNewTransponderKey));
    record.SetNewRecordMark(0);
}

} // namespace vorlane
