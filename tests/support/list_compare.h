#pragma once
// Comparison of the ordered lists of two databases.

#include "database/channel_database.h"

#include <gtest/gtest.h>

namespace vorlane::testing {

// Every head of every kind holds the same nodes in the same order in both databases: same count, and node
// by node the same PK and the same link value.
::testing::AssertionResult SameLists(const ChannelDatabase& a, const ChannelDatabase& b);

// EXPECT_TRUE(SameLists(a, b)).
void ExpectSameLists(const ChannelDatabase& a, const ChannelDatabase& b);

} // namespace vorlane::testing
