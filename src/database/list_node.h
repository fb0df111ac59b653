#pragma once
// The two building blocks of an ordered list: its head and its nodes.

#include "database/deep_const_ptr.h"
#include "database/link_word.h"
#include "database/list_kind.h"
#include "database/table_layout.h"

#include <cstdint>

namespace vorlane {

struct ListHead;

struct ListNode {
    static constexpr std::uint16_t kFreeMark = 0xFFFF;

    Pk pk{kFreeMark};
    std::uint16_t spare = kFreeMark;
    LinkWord link;
    DeepConstPtr<ListNode> prev;
    DeepConstPtr<ListNode> next;
    DeepConstPtr<ListHead> head;

    // A free node carries 0xFFFFFFFF in its first word (PK and spare).
    bool IsFree() const { return pk.Value() == kFreeMark && spare == kFreeMark; }
};

struct ListHead {
    std::uint16_t count = 0;
    std::uint8_t linkWidth = 0;
    std::uint8_t spare = 0;
    ListKind kind{};
    std::uint16_t instance = 0;
    std::uint16_t spare2 = 0;
    std::uint32_t headWord = 0; // bits 0-13 instance, bits 28-29 the TV or radio type filter
    DeepConstPtr<ListNode> first;
    DeepConstPtr<ListNode> last;
};

} // namespace vorlane
