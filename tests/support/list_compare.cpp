#include "list_compare.h"

#include <sstream>

namespace vorlane::testing {
namespace {

constexpr int kShownDifferences = 20;

// Describes how two heads differ, or returns an empty text when they are alike.
std::string HeadDifference(const ListHead* a, const ListHead* b) {
    if (!a || !b)
        return a == b ? std::string() : "present in only one database";
    std::ostringstream text;
    if (a->count != b->count)
        text << "count " << a->count << " vs " << b->count << "; ";
    int position = 0;
    const ListNode* x = a->first;
    const ListNode* y = b->first;
    for (; x && y; x = x->next, y = y->next, ++position) {
        if (x->pk != y->pk || x->link != y->link) {
            text << "position " << position << ": PK " << x->pk.Value() << " link " << std::hex << x->link.Value()
                 << " vs PK " << std::dec << y->pk.Value() << " link " << std::hex << y->link.Value() << std::dec;
            return text.str();
        }
    }
    if (x || y)
        text << "one list ends at position " << position;
    return text.str();
}

} // namespace

::testing::AssertionResult SameLists(const ChannelDatabase& a, const ChannelDatabase& b) {
    int differences = 0;
    std::ostringstream text;
    for (const ListKindInfo& info : AllListKinds()) {
        if (a.Lists().HeadCount(info.kind) != b.Lists().HeadCount(info.kind)) {
            if (++differences <= kShownDifferences)
                text << "\n  kind " << static_cast<unsigned>(info.kind) << ": built in only one database";
            continue;
        }
        for (int i = 0; i < a.Lists().HeadCount(info.kind); ++i) {
            const std::string difference = HeadDifference(a.Lists().Head(info.kind, i), b.Lists().Head(info.kind, i));
            if (!difference.empty() && ++differences <= kShownDifferences)
                text << "\n  kind " << static_cast<unsigned>(info.kind) << " head " << i << ": " << difference;
        }
    }
    if (differences == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences << " list(s) differ:" << text.str();
}

void ExpectSameLists(const ChannelDatabase& a, const ChannelDatabase& b) {
    EXPECT_TRUE(SameLists(a, b));
}

} // namespace vorlane::testing
