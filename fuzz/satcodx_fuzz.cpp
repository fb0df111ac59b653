// Fuzz target: a SATCODX file read into a new database, the lists built from what it wrote, as Open does,
// and the database checked sound.

#include "fuzz_support.h"
#include "importexport/satcodx_importer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorlane::ChannelDatabase& db = vorlane::fuzz::DatabaseWithNewTables();
    const vorlane::ImportResult result = vorlane::SatcodxImporter::Read(db, vorlane::ConstByteSpan(data, size));
    vorlane::fuzz::CheckImportCounts(result);
    if (result.accepted)
        vorlane::fuzz::BuildListsAndCheckSound(db);
    return 0;
}
