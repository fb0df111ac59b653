#include "cli/block_listing.h"

#include "blockfile/block_header.h"
#include "blockfile/block_ids.h"
#include "cli/json_text.h"

namespace vorlane::cli {
namespace {

const char* NameOf(std::uint8_t id) {
    const char* name = BlockIdName(id);
    return name ? name : "unknown";
}

// Every block of a table that a read accepted has passed its CRC check, unless its id skips the check.
const char* CrcResult(std::uint8_t id) {
    return BlockIdHasCrc(id) ? "ok" : "not checked";
}

} // namespace

void PrintBlockTable(std::FILE* out, const BlockTable& table) {
    std::fprintf(out, "%-3s %-5s %-16s %-5s %-10s %-10s %-7s %s\n", "#", "id", "name", "class", "address", "length",
                 "monitor", "crc");
    for (std::size_t i = 0; i < table.Count(); ++i) {
        const BlockHeader header(table[i].Content());
        std::fprintf(out, "%-3zu 0x%02x  %-16s %-5u 0x%08x 0x%08x %-7s %s\n", i, header.BlockId(),
                     NameOf(header.BlockId()), static_cast<unsigned>(table[i].EntryClass()), header.LoadAddress(),
                     header.DataLength(), header.MonitorMode() ? "yes" : "no", CrcResult(header.BlockId()));
    }
}

void PrintBlockArrayJson(std::FILE* out, const BlockTable& table) {
    std::fputs("[", out);
    for (std::size_t i = 0; i < table.Count(); ++i) {
        const BlockHeader header(table[i].Content());
        std::fprintf(out,
                     "%s{\"id\": %u, \"name\": %s, \"class\": %u, \"address\": %u, \"length\": %u, "
                     "\"monitor\": %s, \"crc\": %s}",
                     i ? ", " : "", header.BlockId(), JsonString(NameOf(header.BlockId())).c_str(),
                     static_cast<unsigned>(table[i].EntryClass()), header.LoadAddress(), header.DataLength(),
                     header.MonitorMode() ? "true" : "false", JsonString(CrcResult(header.BlockId())).c_str());
    }
    std::fputs("]", out);
}

} // namespace vorlane::cli
