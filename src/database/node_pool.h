#pragma once
// The fixed pool every list node comes from. Allocation moves a cursor forward (wrapping) to the
// next free node; when every node is in use nothing is handed out.

#include "database/list_node.h"

#include <cstddef>
#include <memory>

namespace vorlane {

class NodePool {
public:
    static constexpr std::size_t kCapacity = 75652;

    // A used node with PK 0 and no links, or nullptr when the pool is full.
    ListNode* Allocate();
    void Release(ListNode* node);
    // Returns the storage; the next allocation starts over with every node free.
    void Reset();

    std::size_t UsedCount() const { return m_used; }
    std::size_t Cursor() const { return m_cursor; }

private:
    std::unique_ptr<ListNode[]> m_nodes;
    std::size_t m_cursor = 0;
    std::size_t m_used = 0;
};

} // namespace vorlane
