#pragma once
// The ordered lists of the database: list heads per kind, nodes from the shared pool, the list
// primitives (append, insert, unlink, move, find, remove, sort, renumber, write back) and building every list from the
// records' link words.
//
// Keys are numbered per tuner side: in a list holding both tuners the tuner-2 entries (which come
// after the tuner-1 entries once sorted) count again from 0, because each side keeps its own link
// word and its own order in the record.

#include "database/deep_const_ptr.h"
#include "database/list_kind.h"
#include "database/list_node.h"
#include "database/node_pool.h"
#include "database/table_layout.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vorlane {

class OrderedLists {
public:
    // Members a favourite group can order per tuner: the position field has 7 bits.
    static constexpr int kMaxFavouriteMembers = 128;

    OrderedLists();
    ~OrderedLists();
    OrderedLists(const OrderedLists&) = delete;
    OrderedLists& operator=(const OrderedLists&) = delete;

    // The record tables that links are read from and written back into (the database's own; nullptr: none).
    void AttachTables(RecordTables* tables) { m_tables = tables; }
    // Frees every head and node and returns the pool's storage.
    void FreeAll();

    // Head `instance` of a kind, or nullptr when the kind has no heads yet or instance is out of range.
    ListHead* Head(ListKind kind, int instance);
    const ListHead* Head(ListKind kind, int instance) const;
    int HeadCount(ListKind kind) const;

    // Builds one kind from the records: old heads emptied and freed, fresh heads, every used record
    // (each present tuner side for channels) appended by its link, then each head sorted, renumbered
    // and written back. Returns the number of used records seen; none when the heads cannot be had.
    std::optional<int> BuildKind(ListKind kind);
    // Every kind in build order. Returns the number of used satellites, transponders and channels; none when a
    // kind could not be built.
    std::optional<int> BuildAll();
    // The head a build puts side `side` of used record `index` in (with the link it gets there); none when the
    // build leaves that side out of every head of the kind.
    std::optional<int> BuildHeadOf(const ListKindInfo& info, int index, TunerSide side, LinkWord& link) const;

    // Appends at the end, then renumbers and writes the list back. False when there is no head, the pool
    // is full, or a favourite group already orders the most members for that tuner.
    bool Append(ListHead* head, Pk pk, LinkWord link);
    // Links `node` directly behind `after` (at the front when `after` is nullptr).
    void InsertAfter(ListHead& head, ListNode* after, ListNode* node);
    // Takes the node out of its list and returns it to the pool.
    void Unlink(ListNode* node);
    // Moves `node` directly before `target`; the node then belongs to the target's list.
    void MoveBefore(ListNode* target, ListNode* node);
    // The node of the PK in the list, or nullptr; as writable as the head it is looked up in.
    static ListNode* FindByPk(ListHead* head, Pk pk);
    static const ListNode* FindByPk(const ListHead* head, Pk pk);
    // Removes the PK from every head of the kind; returns the number of nodes removed.
    int RemovePk(ListKind kind, Pk pk, bool writeBack);

    // Order by tuner side, then key (ties keep their list order). False for an empty list.
    bool Sort(ListHead* head);
    // Sets every key to its position among the nodes of the same tuner side and recounts.
    void Renumber(ListHead* head);
    // Stores every node's link into its record in the field's width and tuner side.
    void WriteBack(const ListHead* head);

    const NodePool& Pool() const { return m_pool; }

private:
    struct SortEntry {
        std::uint32_t order;
        Pk pk;
        LinkWord link;
    };

    void FreeHeads(ListKind kind);
    void Empty(ListHead& head);
    void Detach(ListNode* node);
    ListNode* AppendNode(ListHead& head, Pk pk, LinkWord link);
    int HeadForLink(const ListKindInfo& info, const std::uint8_t* record, LinkWord& link) const;
    void DropFavouriteOverflow(ListHead& head);
    static int CountSide(const ListHead& head, TunerSide side);

    DeepConstPtr<RecordTables> m_tables;
    NodePool m_pool;
    std::array<std::unique_ptr<ListHead[]>, kMaxListKind + 1> m_heads;
    std::vector<SortEntry> m_sortScratch;
};

} // namespace vorlane
