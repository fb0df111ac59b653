#pragma once
// How vorlane-cli shows the blocks of a block file: id, name, transfer class, load address, length and whether
// the CRC was checked, with monitor mode, as a table or as JSON.

#include "blockfile/block_table.h"

#include <cstdio>

namespace vorlane::cli {

void PrintBlockTable(std::FILE* out, const BlockTable& table);

// A JSON array of the blocks, one object each.
void PrintBlockArrayJson(std::FILE* out, const BlockTable& table);

} // namespace vorlane::cli
