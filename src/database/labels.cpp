#include "database/labels.h"

#include "database/record_words.h"

#include <cstdio>

namespace vorlane {
namespace {

int CountOf(const ChannelDatabase& db, ListKind kind, int instance) {
    const ListHead* head = db.Lists().Head(kind, instance);
    return head ? head->count : 0;
}

// Byte 15 of a satellite name is its terminator once loaded, so at most 15 characters show.
constexpr std::size_t kShownSatelliteNameLength = 15;

} // namespace

std::string SatelliteLabel(const ChannelDatabase& db, const std::uint8_t* record) {
    const int index = db.SatelliteIndexOf(record);
    if (index < 0)
        return {};
    const std::string name = db.Satellite(index).Name().substr(0, kShownSatelliteNameLength);
    char text[64];
    std::snprintf(text, sizeof text, "%s [%d:%d]", name.c_str(), CountOf(db, ListKind::TvBySatellite, index),
                  CountOf(db, ListKind::RadioBySatellite, index));
    return text;
}

std::string TransponderLabel(const ChannelDatabase& db, const std::uint8_t* record) {
    const int index = db.TransponderIndexOf(record);
    if (index < 0)
        return {};
    const ConstTransponderRecord transponder = db.Transponder(index);
    char text[64];
    std::snprintf(text, sizeof text, "%d %c %d [%d:%d]", transponder.Frequency(),
                  PolarisationLetter(transponder.Tuning().PolarisationCode(), '?'), transponder.SymbolRate(),
                  CountOf(db, ListKind::TvByTransponder, index), CountOf(db, ListKind::RadioByTransponder, index));
    return text;
}

bool IsSatelliteEmpty(const ChannelDatabase& db, int satellite) {
    const ListHead* tv = db.Lists().Head(ListKind::TvBySatellite, satellite);
    const ListHead* radio = db.Lists().Head(ListKind::RadioBySatellite, satellite);
    return !tv || !radio || (!tv->first && !radio->first);
}

} // namespace vorlane
