#include "database/database_lifecycle.h"

#include "database/image_conversion.h"
#include "database/settings_record.h"
#include "database/table_defaults.h"
#include "platform/trace.h"

#include <cstdint>
#include <vector>

namespace vorlane {
namespace {

// The trace texts print addresses with %#x, as the receiver's 32-bit tools did; the low 32 bits are enough
// to tell the buffers apart.
unsigned TraceAddress(const void* address) {
    return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(address));
}

} // namespace

bool Init(ChannelDatabase& db) {
    DebugOut("=================> Init()\n");
    DebugOut("channel size=%d, satellite size=%d\n", static_cast<int>(kChannelBufferSize),
             static_cast<int>(kSatelliteBufferSize));
    db.AllocateTables();
    DebugOut("m_arrSatellite=%#x, m_arrTransponder=%#x, m_arrChannel=%#x\n", TraceAddress(db.arrSatellite()),
             TraceAddress(db.arrTransponder()), TraceAddress(db.arrChannel()));
    DebugOut("m_pKChannel = %#x, size = %d\n", TraceAddress(db.PkChannel().data()),
             static_cast<int>(ChannelDatabase::kPkChannelSize));
    DebugOut("t_config_save = %#x\n", TraceAddress(db.CurrentSettings().data()));

    std::vector<std::uint8_t> flashOrg = MakeScratchImage(db.ReceiverModel());
    ApplySettingsDefaults(CurrentReceiverSettings(db), flashOrg);
    Clear(db);
    ApplyImageDefaults(db);
    const std::optional<int> built = db.BuildAllLists();
    DebugOut("flash_org = %#x\n", TraceAddress(flashOrg.data()));
    return built.has_value();
}

void Deinit(ChannelDatabase& db) {
    DebugOut("=================> Deinit()\n");
    std::vector<std::uint8_t>().swap(db.FileBuffer());
    db.FreeTables();
}

void Clear(ChannelDatabase& db) {
    if (db.TablesAllocated())
        ClearTables(db);
    // The group blocks start over; their member counters then read 0, as after clearing the favourites.
    db.Favourites().Reset();
    db.Favourites().ClearCounters();
    db.SetCurrentPath({});
    db.SetImportedPath({});
    db.SetModified(false);
}

} // namespace vorlane
