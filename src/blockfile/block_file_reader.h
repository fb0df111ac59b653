#pragma once
// Reads a whole block file (in memory) into the upload table, block by block, with every check and trace.

#include "blockfile/block_table.h"
#include "platform/bytes.h"

#include <cstddef>

namespace vorlane {

// Why a file was not taken as a block file.
enum class BlockFileFault {
    None,
    TruncatedHeader, // fewer than 128 bytes where a header belongs (also: an empty file)
    BadSignature,
    BadMonitorMarker,
    BadBlockIdMarker,
    BadLengthMarker,
    BadCrcMarker,
    TruncatedData, // the data length runs past the end of the file
    CrcMismatch,
    TooManyBlocks, // more blocks than the table holds
};

struct BlockFileReport {
    BlockFileFault fault = BlockFileFault::None;
    std::size_t faultOffset = 0; // file offset of the header of the block that failed
};

// A short English description of a fault for tools ("CRC mismatch", ...).
const char* BlockFileFaultText(BlockFileFault fault);

// Appends every block of `file` to `table` (which the caller has cleared) and sets the table's block-file
// flag when a block asks for monitor mode. True for a block file; false otherwise, leaving the blocks read
// before the fault in the table. `report`, when given, tells where and why the file failed.
[[nodiscard]] bool ReadBlockFile(ConstByteSpan file, BlockTable& table, BlockFileReport* report = nullptr);

} // namespace vorlane
