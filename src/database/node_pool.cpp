#include "database/node_pool.h"

#include <new>

namespace vorlane {

ListNode* NodePool::Allocate() {
    if (!m_nodes) {
        m_nodes.reset(new (std::nothrow) ListNode[kCapacity]);
        if (!m_nodes)
            return nullptr;
    }
    // A full pool would only send the cursor once around without finding anything.
    if (m_used == kCapacity)
        return nullptr;
    for (std::size_t step = 0; step < kCapacity; ++step) {
        m_cursor = (m_cursor + 1) % kCapacity;
        ListNode& node = m_nodes[m_cursor];
        if (node.IsFree()) {
            node = ListNode{};
            node.pk = Pk(0);
            node.spare = 0;
            ++m_used;
            return &node;
        }
    }
    return nullptr;
}

void NodePool::Release(ListNode* node) {
    if (!node || node->IsFree())
        return;
    *node = ListNode{};
    --m_used;
}

void NodePool::Reset() {
    m_nodes.reset();
    m_cursor = 0;
    m_used = 0;
}

} // namespace vorlane
