#include "database/labels.h"

#include <cstdio>

namespace vorlane {
namespace {

int countOf(const ChannelDatabase& db, ListKind kind, int instance) {
    const ListHead* head = db.lists().Head(kind, instance);
    return head ? head->count : 0;
}

// The letters of polarisation codes 0..2; code 3 ("unused") has none of its own.
char polarisationLetter(unsigned code) {
    static constexpr char kLetters[] = "AHV";
    return code < 3 ? kLetters[code] : '?';
}

// Byte 15 of a satellite name is its terminator once loaded, so at most 15 characters show.
constexpr std::size_t kShownSatelliteNameLength = 15;

} // namespace

std::string SatelliteLabel(const ChannelDatabase& db, const std::uint8_t* record) {
    const int index = db.SatelliteIndexOf(record);
    if (index < 0)
        return {};
    const std::string name = db.satellite(index).name().substr(0, kShownSatelliteNameLength);
    char text[64];
    std::snprintf(text, sizeof text, "%s [%d:%d]", name.c_str(), countOf(db, ListKind::TvBySatellite, index),
                  countOf(db, ListKind::RadioBySatellite, index));
    return text;
}

std::string TransponderLabel(const ChannelDatabase& db, const std::uint8_t* record) {
    const int index = db.TransponderIndexOf(record);
    if (index < 0)
        return {};
    const ConstTransponderRecord transponder = db.transponder(index);
    char text[64];
    std::snprintf(text, sizeof text, "%d %c %d [%d:%d]", transponder.frequency(),
                  polarisationLetter(transponder.tuning().polarisation()), transponder.symbolRate(),
                  countOf(db, ListKind::TvByTransponder, index), countOf(db, ListKind::RadioByTransponder, index));
    return text;
}

bool IsSatelliteEmpty(const ChannelDatabase& db, int satellite) {
    const ListHead* tv = db.lists().Head(ListKind::TvBySatellite, satellite);
    const ListHead* radio = db.lists().Head(ListKind::RadioBySatellite, satellite);
    return !tv || !radio || (!tv->first && !radio->first);
}

} // namespace vorlane
