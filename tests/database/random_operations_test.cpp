// Long random sequences of database operations on generated databases: after every step the database must
// pass the integrity check (records, lists and favourite groups agree), and at the end the database stored into an
// image and loaded into a second database must give the same lists there.
//
// One fixed seed runs by default. To run more seeds locally:
//   VORLANE_RANDOM_SEEDS=100 ./random_operations_tests     (seeds 1 to 100)
// A failure names its seed and step, and VORLANE_RANDOM_SEED_FIRST=n starts the seeds at n.

#include "database/database_image.h"
#include "database/database_lifecycle.h"
#include "list_test_util.h"
#include "support/list_check.h"
#include "support/list_compare.h"
#include "support/random_edits.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr int kStepsPerSeed = 250;

int environmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

void runSeed(std::uint32_t seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    ChannelDatabase db;
    SampleOptions options;
    options.seed = seed;
    options.satellites = 6;
    options.transponders = 80;
    options.channels = 500;
    ASSERT_GE(makeSampleDatabase(db, options), 0);
    Dice dice(seed * 7919u + 1u);
    for (int step = 0; step < kStepsPerSeed; ++step) {
        const std::string what = randomStep(dice, db);
        ASSERT_TRUE(verifyLists(db)) << "step " << step << ": " << what;
    }
    ChannelDatabase loaded;
    openImage(loaded, StoreIntoImage(db));
    EXPECT_TRUE(sameLists(db, loaded));
}

} // namespace

TEST(RandomOperations, ListsStayInStepWithTheRecordsAndSurviveAnImage) {
    const int first = environmentNumber("VORLANE_RANDOM_SEED_FIRST", 1);
    const int seeds = environmentNumber("VORLANE_RANDOM_SEEDS", 1);
    for (int seed = first; seed < first + seeds; ++seed) {
        runSeed(static_cast<std::uint32_t>(seed));
        if (HasFatalFailure() || HasNonfatalFailure())
            return;
    }
}
