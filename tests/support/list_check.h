#pragma once
// Consistency check of every ordered list of a database against its records.

#include "database/channel_database.h"

#include <gtest/gtest.h>

namespace vorlane::testing {

// For every head of every kind: the node chain is intact and its count right; each tuner side's keys
// run 0..n-1 in list order; every node names a used, present record of the kind's type, head and
// side, and its link equals the record's link field in the field's width; and building the lists
// afresh from a copy of the tables gives the same members in the same order per side and leaves the
// tables byte for byte as they are. The database itself is not touched.
::testing::AssertionResult verifyLists(const ChannelDatabase& db);

} // namespace vorlane::testing
