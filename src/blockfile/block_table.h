#pragma once
// The loader's fixed table of upload entries and the block-file flag that comes with a file read into it.

#include "blockfile/block_entry.h"

#include <array>
#include <cstddef>

namespace vorlane {

class BlockTable {
public:
    static constexpr std::size_t kCapacity = 50;

    // Appends in file order; false (and the table unchanged) when all entries are taken.
    [[nodiscard]] bool Append(BlockEntry entry);
    // Frees every entry's bytes; count 0 and the block-file flag cleared.
    void Clear();

    std::size_t Count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // Index below count().
    BlockEntry& operator[](std::size_t index) { return m_entries[index]; }
    const BlockEntry& operator[](std::size_t index) const { return m_entries[index]; }

    // Set while the table holds a block file (the upload then goes through the boot monitor),
    // cleared for a file taken whole.
    bool BlockFileFlag() const { return m_blockFileFlag; }
    void SetBlockFileFlag(bool set) { m_blockFileFlag = set; }

private:
    std::array<BlockEntry, kCapacity> m_entries;
    std::size_t m_count = 0;
    bool m_blockFileFlag = false;
};

} // namespace vorlane
