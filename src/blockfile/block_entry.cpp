#include "blockfile/block_entry.h"

#include <algorithm>
#include <utility>

namespace vorlane {

BlockEntry::BlockEntry(std::vector<std::uint8_t> bytes, TransferClass transferClass)
    : m_bytes(std::move(bytes)), m_transferClass(transferClass) {}

std::size_t BlockEntry::ReadNext(ByteSpan out) {
    const std::size_t count = std::min<std::size_t>(out.size(), m_bytes.size() - m_readPosition);
    std::copy_n(m_bytes.begin() + m_readPosition, count, out.begin());
    m_readPosition += static_cast<std::uint32_t>(count);
    return count;
}

void BlockEntry::SetReadPosition(std::uint32_t position) {
    m_readPosition = std::min(position, size());
}

void BlockEntry::FreeBytes() {
    std::vector<std::uint8_t>().swap(m_bytes);
    m_readPosition = 0;
}

} // namespace vorlane
