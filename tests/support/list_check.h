#pragma once
// The database integrity rule as a test assertion.

#include "database/channel_database.h"

#include <gtest/gtest.h>

namespace vorlane::testing {

// Success when CheckIntegrity finds nothing; otherwise the first problems, one per line.
::testing::AssertionResult VerifyLists(const ChannelDatabase& db);

} // namespace vorlane::testing
