// Comparing two lists: each kind of difference, and moves told apart from
// numbers shifted by additions.

#include "list_tools_fixture.h"
#include "listtools/list_diff.h"
#include "listtools/list_diff_report.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

TEST(LongestIncreasingRun, FindsOneLongestRun) {
    const std::vector<std::pair<std::vector<int>, std::size_t>> cases = {
        {{}, 0}, {{0, 1, 2}, 3}, {{2, 1, 0}, 1}, {{1, 0, 2, 3}, 3}, {{3, 0, 1, 2}, 3}, {{0, 4, 1, 2, 3}, 4}};
    for (const auto& [sequence, length] : cases) {
        const std::vector<std::size_t> run = LongestIncreasingRun(sequence);
        EXPECT_EQ(length, run.size());
        for (std::size_t k = 1; k < run.size(); ++k)
            EXPECT_LT(sequence[run[k - 1]], sequence[run[k]]);
    }
}

TEST(CompareLists, ReportsAddedRemovedRenamedMovedAndChangedButNotShiftedNumbers) {
    ChannelDatabase a;
    MakeListToolDatabase(a, {{"one", 0, 1}, {"two", 0, 2}, {"three", 0, 3}, {"four", 0, 4}, {"five", 0, 5}});
    ChannelDatabase b;
    // "new" shifts everything behind it, "five" moves to the front, "two" goes,
    // "three" is renamed.
    MakeListToolDatabase(b, {{"five", 0, 5}, {"new", 0, 9}, {"one", 0, 1}, {"Three", 0, 3}, {"four", 0, 4}});
    ServiceWord service = b.Channel(4).SidedServiceWord(TunerSide::First);
    service.SetScrambled(true);
    b.Channel(4).SetServiceWord(TunerSide::First, service);
    b.Channel(4).SetVideoPid(0x301);

    const ListDiff diff = CompareLists(a, b);
    ASSERT_EQ(1u, diff.sections.size());
    EXPECT_EQ("Tuner 1 TV", DiffSectionTitle(diff.sections[0]));
    EXPECT_EQ((std::vector<std::string>{"added    #2 new", "removed  #2 two", "renamed  #4 three -> Three",
                                        "moved    five #5 -> #1",
                                        "changed  #5 four: video PID 768 -> 769; scrambled no -> yes"}),
              DiffSectionLines(diff.sections[0]));

    EXPECT_TRUE(CompareLists(a, a).Equal());
    EXPECT_EQ("The lists are equal.\n", DiffText(CompareLists(b, b)));
}
