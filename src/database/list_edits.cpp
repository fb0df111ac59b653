#include "database/list_edits.h"

namespace vorlane {
namespace {

constexpr ListKind kFirstChannelKind = ListKind::TvChannels;
constexpr ListKind kLastChannelKind = ListKind::Tuner2Data;

ListNode* FirstTuner2Node(ListHead& head) {
    for (ListNode* node = head.first; node; node = node->next)
        if (node->pk.Side() == TunerSide::Second)
            return node;
    return nullptr;
}

} // namespace

bool AppendInSideOrder(OrderedLists& lists, ListHead* head, Pk pk, LinkWord link) {
    if (!head)
        return false;
    ListNode* tuner2Start = pk.Side() == TunerSide::First && head->last && head->last->pk.Side() == TunerSide::Second
                                ? FirstTuner2Node(*head)
                                : nullptr;
    if (!lists.Append(head, pk, link))
        return false;
    if (tuner2Start) {
        lists.MoveBefore(tuner2Start, head->last);
        lists.Renumber(head);
        lists.WriteBack(head);
    }
    return true;
}

int RemoveMarkedPks(OrderedLists& lists, ListKind kind, const std::vector<bool>& marked) {
    int removed = 0;
    for (int i = 0; i < lists.HeadCount(kind); ++i) {
        ListHead* head = lists.Head(kind, i);
        int removedHere = 0;
        for (ListNode* node = head->first; node;) {
            ListNode* next = node->next;
            if (node->pk.Value() < marked.size() && marked[node->pk.Value()]) {
                lists.Unlink(node);
                ++removedHere;
            }
            node = next;
        }
        if (removedHere) {
            lists.Renumber(head);
            lists.WriteBack(head);
            removed += removedHere;
        }
    }
    return removed;
}

bool RebuildChannelLists(OrderedLists& lists) {
    bool failed = false;
    for (auto k = static_cast<std::uint32_t>(kFirstChannelKind); k <= static_cast<std::uint32_t>(kLastChannelKind); ++k)
        failed |= !lists.BuildKind(static_cast<ListKind>(k));
    failed |= !lists.BuildKind(ListKind::Bands);
    return !failed;
}

} // namespace vorlane
