#include "full_database.h"

#include "record_builders.h"

namespace vorlane::testing {

void FillFullDatabase(ChannelDatabase& db) {
    if (!db.TablesAllocated())
        db.AllocateTables();
    for (int i = 0; i < kSatelliteCount; ++i)
        PutSatellite(db, i, "Sat " + std::to_string(i + 1), i % 3 == 0 ? SatelliteRecord::kLnbTypeUniversal : 0,
                     static_cast<unsigned>(i));
    for (int t = 0; t < kTransponderCount; ++t)
        PutTransponder(db, t, t % kSatelliteCount, static_cast<unsigned>(10700 + (t * 7) % 2050),
                       1 + static_cast<unsigned>(t % 2), static_cast<unsigned>(t / kSatelliteCount));
    for (int c = 0; c < kChannelCount; ++c) {
        const ServiceType type = c % 20 == 19 ? ServiceType::Data : c % 5 == 4 ? ServiceType::Radio : ServiceType::Tv;
        // Tuner 2 keeps the reverse order.
        PutChannel(db, c,
                   ChannelSpec{type, c % kTransponderCount, true, true, static_cast<unsigned>(c),
                               static_cast<unsigned>(kChannelCount - 1 - c), c % 3 == 0,
                               c % 10 == 0 ? (c / 10) % 8 : -1});
    }
}

} // namespace vorlane::testing
