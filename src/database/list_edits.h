#pragma once
// List edits shared by the database operations: appending without breaking the tuner-side order,
// removing many PKs in one pass, and rebuilding the channel lists from the records.

#include "database/ordered_lists.h"

#include <cstdint>
#include <vector>

namespace vorlane {

// Appends as the last entry of its tuner side, so a tuner-1 entry goes in front of the tuner-2
// entries of a list that holds both; then renumbers and writes the list back. False as Append.
bool AppendInSideOrder(OrderedLists& lists, ListHead* head, Pk pk, LinkWord link);

// Unlinks every node of the kind whose PK is marked (marked[pk]), then renumbers and writes back each
// list that lost a node. Returns the number of nodes removed.
int RemoveMarkedPks(OrderedLists& lists, ListKind kind, const std::vector<bool>& marked);

// Builds every channel list (kinds 4 to 29) and the band lists again from the records. False when a kind
// could not be built (memory ran out).
bool RebuildChannelLists(OrderedLists& lists);

} // namespace vorlane
