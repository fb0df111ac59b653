#include "database/transponder_new_record.h"

#include <cstring>

namespace vorlane {

void FillNewTransponder(TransponderRecord record, int satelliteIndex) {
    std::memset(record.bytes(), 0, TransponderRecord::kSize);
    record.setNetworkName("ADD");
    record.setFrequency(kNewTransponderFrequency);
    record.setSymbolRate(kNewTransponderSymbolRate);
    record.setTransportStreamId(0);
    TuningWord tuning;
    tuning.setPolarisation(kPolarisationAuto);
    tuning.setFec(5); // "Auto"
    record.setTuning(tuning);
    record.setListLink(LinkWord().withKey(kNewTransponderKey).toForm16());
    record.setSatelliteLink(LinkWord().withIndex(static_cast<unsigned>(satelliteIndex)).withKey(kNewTransponderKey));
    record.setNewRecordMark(0);
}

} // namespace vorlane
