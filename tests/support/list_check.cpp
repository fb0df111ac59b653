#include "list_check.h"

#include "database/integrity_check.h"

namespace vorlane::testing {

::testing::AssertionResult VerifyLists(const ChannelDatabase& db) {
    constexpr std::size_t kShown = 20;
    const std::vector<IntegrityProblem> problems = CheckIntegrity(db);
    if (problems.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << problems.size() << " integrity problem(s):";
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i)
        failure << "\n  " << IntegrityProblemLine(problems[i]);
    if (problems.size() > kShown)
        failure << "\n  ...";
    return failure;
}

} // namespace vorlane::testing
