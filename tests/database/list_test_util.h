#pragma once
// Small readers shared by the list tests.

#include "database/channel_database.h"

#include <vector>

namespace vorlane::testing {

inline std::vector<int> pksOf(const ChannelDatabase& db, ListKind kind, int instance) {
    std::vector<int> pks;
    const ListHead* head = db.lists().Head(kind, instance);
    for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
        pks.push_back(node->pk);
    return pks;
}

inline std::vector<unsigned> keysOf(const ChannelDatabase& db, ListKind kind, int instance) {
    std::vector<unsigned> keys;
    const ListHead* head = db.lists().Head(kind, instance);
    for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
        keys.push_back(node->link.key());
    return keys;
}

} // namespace vorlane::testing
