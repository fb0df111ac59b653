#include "database/ordered_lists.h"

#include "database/link_field.h"

#include <algorithm>

namespace vorlane {
namespace {

// Head is ListHead or const ListHead; the node found is as const as the head.
template <class Head> auto* FindNode(Head* head, Pk pk) {
    for (auto* node = head ? head->first.get() : nullptr; node; node = node->next.get())
        if (node->pk == pk)
            return node;
    return static_cast<decltype(head->first.get())>(nullptr);
}

} // namespace

OrderedLists::OrderedLists() {
    // One entry per node the pool can hold, so sorting never has to grow its scratch space.
    m_sortScratch.reserve(NodePool::kCapacity);
}

OrderedLists::~OrderedLists() = default;

void OrderedLists::FreeAll() {
    for (auto& heads : m_heads)
        heads.reset();
    m_pool.Reset();
}

ListHead* OrderedLists::Head(ListKind kind, int instance) {
    return const_cast<ListHead*>(static_cast<const OrderedLists&>(*this).Head(kind, instance));
}

const ListHead* OrderedLists::Head(ListKind kind, int instance) const {
    if (instance < 0 || instance >= HeadCount(kind))
        return nullptr;
    return &m_heads[static_cast<std::size_t>(kind)][static_cast<std::size_t>(instance)];
}

int OrderedLists::HeadCount(ListKind kind) const {
    const ListKindInfo* info = FindListKind(kind);
    if (!info || !m_heads[static_cast<std::size_t>(kind)])
        return 0;
    return info->headCount;
}

void OrderedLists::FreeHeads(ListKind kind) {
    auto& heads = m_heads[static_cast<std::size_t>(kind)];
    if (!heads)
        return;
    for (int i = 0; i < FindListKind(kind)->headCount; ++i)
        Empty(heads[static_cast<std::size_t>(i)]);
    heads.reset();
}

void OrderedLists::Empty(ListHead& head) {
    for (ListNode* node = head.first; node;) {
        ListNode* next = node->next;
        m_pool.Release(node);
        node = next;
    }
    head.first = nullptr;
    head.last = nullptr;
    head.count = 0;
}

bool OrderedLists::Append(ListHead* head, Pk pk, LinkWord link) {
    if (!head)
        return false;
    const ListKindInfo* info = FindListKind(head->kind);
    if (info->favouriteGroup >= 0 && CountSide(*head, pk.Side()) >= kMaxFavouriteMembers)
        return false;
    if (!AppendNode(*head, pk, link))
        return false;
    Renumber(head);
    WriteBack(head);
    return true;
}

ListNode* OrderedLists::AppendNode(ListHead& head, Pk pk, LinkWord link) {
    ListNode* node = m_pool.Allocate();
    if (!node)
        return nullptr;
    node->pk = pk;
    node->link = link;
    InsertAfter(head, head.last, node);
    return node;
}

void OrderedLists::InsertAfter(ListHead& head, ListNode* after, ListNode* node) {
    node->head = &head;
    node->prev = after;
    node->next = after ? after->next : head.first;
    if (node->next)
        node->next->prev = node;
    else
        head.last = node;
    if (after)
        after->next = node;
    else
        head.first = node;
    ++head.count;
}

void OrderedLists::Detach(ListNode* node) {
    ListHead& head = *node->head;
    if (node->prev)
        node->prev->next = node->next;
    else
        head.first = node->next;
    if (node->next)
        node->next->prev = node->prev;
    else
        head.last = node->prev;
    --head.count;
    node->prev = nullptr;
    node->next = nullptr;
    node->head = nullptr;
}

void OrderedLists::Unlink(ListNode* node) {
    if (!node || !node->head)
        return;
    Detach(node);
    m_pool.Release(node);
}

void OrderedLists::MoveBefore(ListNode* target, ListNode* node) {
    if (!target || !node || target == node || !target->head || !node->head)
        return;
    Detach(node);
    InsertAfter(*target->head, target->prev, node);
}

ListNode* OrderedLists::FindByPk(ListHead* head, Pk pk) {
    return FindNode(head, pk);
}

const ListNode* OrderedLists::FindByPk(const ListHead* head, Pk pk) {
    return FindNode(head, pk);
}

int OrderedLists::RemovePk(ListKind kind, Pk pk, bool writeBack) {
    int removed = 0;
    for (int i = 0; i < HeadCount(kind); ++i) {
        ListHead* head = Head(kind, i);
        ListNode* node = FindByPk(head, pk);
        if (!node)
            continue;
        Unlink(node);
        Renumber(head);
        if (writeBack)
            WriteBack(head);
        ++removed;
    }
    return removed;
}

bool OrderedLists::Sort(ListHead* head) {
    if (!head || !head->first)
        return false;
    // Side, key and list position packed into one word: unique, so the order of equal keys stays as listed.
    m_sortScratch.clear();
    bool alreadySorted = true;
    std::uint32_t position = 0;
    for (ListNode* node = head->first; node; node = node->next, ++position) {
        const std::uint32_t order = (std::uint32_t{SideBit(node->pk.Side())} << 31) |
                                    (static_cast<std::uint32_t>(node->link.Key()) << 17) | position;
        if (!m_sortScratch.empty() && order < m_sortScratch.back().order)
            alreadySorted = false;
        m_sortScratch.push_back({order, node->pk, node->link});
    }
    if (alreadySorted)
        return true;
    std::sort(m_sortScratch.begin(), m_sortScratch.end(),
              [](const SortEntry& a, const SortEntry& b) { return a.order < b.order; });
    // The nodes stay where they are; only their contents take the sorted order.
    auto entry = m_sortScratch.begin();
    for (ListNode* node = head->first; node; node = node->next, ++entry) {
        node->pk = entry->pk;
        node->link = entry->link;
    }
    return true;
}

void OrderedLists::Renumber(ListHead* head) {
    if (!head)
        return;
    const bool channelKind = FindListKind(head->kind)->table == RecordTable::Channels;
    const bool perSide = KeysCountPerTunerSide(head->kind);
    unsigned nextKey[kTunerCount] = {0, 0};
    std::uint16_t count = 0;
    for (ListNode* node = head->first; node; node = node->next, ++count) {
        const int keys = perSide ? SideIndex(node->pk.Side()) : 0;
        node->link = node->link.WithKey(nextKey[keys]++);
        if (channelKind)
            node->link = node->link.WithSide(node->pk.Side());
    }
    head->count = count;
}

void OrderedLists::WriteBack(const ListHead* head) {
    if (!head || !m_tables || !m_tables->Allocated())
        return;
    const ListKindInfo& info = *FindListKind(head->kind);
    for (const ListNode* node = head->first; node; node = node->next)
        WriteLinkField(info, m_tables->RecordOfPk(info.table, node->pk), node->pk.Side(), node->link);
}

int OrderedLists::CountSide(const ListHead& head, TunerSide side) {
    int n = 0;
    for (const ListNode* node = head.first; node; node = node->next)
        if (node->pk.Side() == side)
            ++n;
    return n;
}

} // namespace vorlane
