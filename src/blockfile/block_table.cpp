#include "blockfile/block_table.h"

#include <utility>

namespace vorlane {

bool BlockTable::Append(BlockEntry entry) {
    if (m_count == kCapacity)
        return false;
    m_entries[m_count++] = std::move(entry);
    return true;
}

void BlockTable::Clear() {
    for (BlockEntry& entry : m_entries)
        entry = BlockEntry();
    m_count = 0;
    m_blockFileFlag = false;
}

} // namespace vorlane
