#include "blockfile/block_file_reader.h"

#include "blockfile/block_header.h"
#include "blockfile/block_ids.h"
#include "platform/trace.h"
#include "storage/checksum.h"

#include <climits>
#include <string>
#include <vector>

namespace vorlane {

namespace {

bool Fail(BlockFileReport* report, BlockFileFault fault, std::size_t offset) {
    if (report)
        *report = {fault, offset};
    return false;
}

void TraceBlockId(std::uint8_t id) {
    DebugOut("Block ID : %#x ", id);
    if (const char* name = BlockIdName(id))
        DebugOut("%s\n", name);
    else
        DebugOut("-------------> Block unknown  %x\n", id);
}

TransferClass ClassOfReadBlock(std::uint8_t id) {
    if (!IsKnownBlockId(id))
        DebugOut("      ----------->>>>> Unknown  block id = %x \n", id);
    return TransferClassOfBlockId(id);
}

// Checks one header and its data at `offset`; on success `dataLength` is the block's data length.
BlockFileFault CheckBlock(ConstByteSpan file, std::size_t offset, std::uint32_t& dataLength) {
    const BlockHeader header(file.subspan(offset, block_header::kSize));
    DebugOut("SW version : %d.%02d\n", header.VersionMajor(), header.VersionMinor());
    if (!header.SignatureValid()) {
        DebugOut("HEADER Signature is invalid\n");
        return BlockFileFault::BadSignature;
    }
    DebugOut("Signature : %s\n", std::string(header.Signature()).c_str());
    DebugOut("Address : %#x\n", header.LoadAddress());
    if (!header.MonitorMarkerValid()) {
        DebugOut("monitor_signature is invalid...\n");
        return BlockFileFault::BadMonitorMarker;
    }
    DebugOut("Monitor mode : %s\n", header.MonitorMode() ? "YES" : "NO");
    if (!header.BlockIdMarkerValid()) {
        DebugOut("block_id_signature is invalid...\n");
        return BlockFileFault::BadBlockIdMarker;
    }
    TraceBlockId(header.BlockId());
    if (!header.LengthMarkerValid()) {
        DebugOut("length_signature is invalid...\n");
        return BlockFileFault::BadLengthMarker;
    }
    dataLength = header.DataLength();
    DebugOut("Length : %#x\n", dataLength);

    const bool hasCrc = BlockIdHasCrc(header.BlockId());
    if (hasCrc) {
        if (!header.CrcMarkerValid()) {
            DebugOut("crc_signature is invalid...\n");
            return BlockFileFault::BadCrcMarker;
        }
        DebugOut("CRC : %#x\n", header.Crc());
    }
    // A block whose data run past the end is refused whatever its CRC says: taking the short read's sum
    // as 0 would let a truncated block with a stored CRC of 0 through.
    const std::size_t available = file.size() - offset - block_header::kSize;
    if (available < dataLength) {
        DebugOut("nRead=%d\n", available > INT_MAX ? INT_MAX : static_cast<int>(available));
        return BlockFileFault::TruncatedData;
    }
    if (hasCrc) {
        const std::uint32_t sum = Checksum(file.subspan(offset + block_header::kSize, dataLength));
        DebugOut("CRC=%#x\n", sum);
        if (sum != header.Crc())
            return BlockFileFault::CrcMismatch;
    }
    return BlockFileFault::None;
}

} // namespace

const char* BlockFileFaultText(BlockFileFault fault) {
    switch (fault) {
    case BlockFileFault::None:
        return "no fault";
    case BlockFileFault::TruncatedHeader:
        return "block header truncated";
    case BlockFileFault::BadSignature:
        return "header signature invalid";
    case BlockFileFault::BadMonitorMarker:
        return "monitor marker invalid";
    case BlockFileFault::BadBlockIdMarker:
        return "block id marker invalid";
    case BlockFileFault::BadLengthMarker:
        return "length marker invalid";
    case BlockFileFault::BadCrcMarker:
        return "CRC marker invalid";
    case BlockFileFault::TruncatedData:
        return "block data truncated";
    case BlockFileFault::CrcMismatch:
        return "CRC mismatch";
    case BlockFileFault::TooManyBlocks:
        return "more than 50 blocks";
    }
    return "unknown fault";
}

bool ReadBlockFile(ConstByteSpan file, BlockTable& table, BlockFileReport* report) {
    std::size_t offset = 0;
    std::size_t blocksRead = 0;
    for (;;) {
        const std::size_t remaining = file.size() - offset;
        if (remaining < block_header::kSize) {
            if (blocksRead > 0 && remaining == 0)
                break;
            DebugOut("%#x != 0x80(HEADER_SIZE)\n", static_cast<unsigned>(remaining));
            return Fail(report, BlockFileFault::TruncatedHeader, offset);
        }
        std::uint32_t dataLength = 0;
        const BlockFileFault fault = CheckBlock(file, offset, dataLength);
        if (fault != BlockFileFault::None)
            return Fail(report, fault, offset);

        const ConstByteSpan block = file.subspan(offset, block_header::kSize + dataLength);
        const BlockHeader header(block);
        // The count is checked first so that a block with no room writes no class trace.
        if (table.Count() == BlockTable::kCapacity ||
            !table.Append(BlockEntry(std::vector<std::uint8_t>(block.begin(), block.end()),
                                     ClassOfReadBlock(header.BlockId())))) {
            DebugOut("Block table full: more than %zu blocks\n", BlockTable::kCapacity);
            return Fail(report, BlockFileFault::TooManyBlocks, offset);
        }
        if (header.MonitorMode())
            table.SetBlockFileFlag(true);
        ++blocksRead;
        offset += block.size();
    }
    if (report)
        *report = {};
    return true;
}

} // namespace vorlane
