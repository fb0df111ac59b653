#pragma once
// One unit of an upload: a block (header and data) or a whole file, with the class it is sent with and the
// position up to which it has been sent.

#include "blockfile/block_ids.h"
#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorlane {

class BlockEntry {
public:
    BlockEntry() = default;
    BlockEntry(std::vector<std::uint8_t> bytes, TransferClass transferClass);

    // Copies up to out.size() bytes from the read position on and advances it; returns the number copied
    // (0 at the end or when the entry holds no bytes).
    std::size_t ReadNext(ByteSpan out);
    std::uint32_t ReadPosition() const { return m_readPosition; }
    // Positions past the end are taken as the end.
    void SetReadPosition(std::uint32_t position);

    // Header plus data for a block, the file length for a whole file; 0 when the entry holds no bytes.
    std::uint32_t size() const { return static_cast<std::uint32_t>(m_bytes.size()); }
    ConstByteSpan Content() const { return m_bytes; }
    TransferClass EntryClass() const { return m_transferClass; }

    // Releases the bytes; the entry then has size 0 and reads nothing.
    void FreeBytes();

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_readPosition = 0;
    TransferClass m_transferClass = TransferClass::Program;
};

} // namespace vorlane
