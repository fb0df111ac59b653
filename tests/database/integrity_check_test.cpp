#include "database/channel_database.h"
#include "database/integrity_check.h"
#include "support/full_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class IntegrityCheck : public ::testing::Test {
protected:
    void SetUp() override {
        fillFullDatabase(db);
        db.BuildAllLists();
    }
    ChannelDatabase db;
};

} // namespace

// Each damage is found, and the first problem names what was damaged.
TEST_F(IntegrityCheck, FindsEachDamageAndNamesTheRecordAndLeavesTheDatabaseUntouched) {
    const std::vector<std::uint8_t> channels(db.channelBuffer().begin(), db.channelBuffer().end());
    const std::size_t used = db.lists().pool().usedCount();
    const std::size_t cursor = db.lists().pool().cursor();
    EXPECT_TRUE(CheckIntegrity(db).empty());
    EXPECT_TRUE(std::ranges::equal(channels, db.channelBuffer()));
    EXPECT_EQ(used, db.lists().pool().usedCount());
    EXPECT_EQ(cursor, db.lists().pool().cursor());

    struct Case {
        const char* what;
        std::function<void(ChannelDatabase&)> damage;
        std::string firstProblem;
    };
    // clang-format off
    const Case cases[] = {
        {"transponder link past the table", [](ChannelDatabase& d) { d.channel(7).setTransponderLink(1, d.channel(7).transponderLink(1).withIndex(0x3FFF)); },
         "channel 7 tuner 2 \"Channel 0007\": transponder link names slot 16383, outside the transponder table"},
        {"transponder link to a free transponder", [](ChannelDatabase& d) { std::fill_n(d.transponder(1499).bytes(), kTransponderRecordSize, std::uint8_t{0xFF}); },
         "channel 1499 tuner 1 \"Channel 1499\": transponder link names free transponder 1499"},
        {"satellite link past the table", [](ChannelDatabase& d) { d.channel(8).setSatelliteLink(0, d.channel(8).satelliteLink(0).withIndex(64)); },
         "channel 8 tuner 1 \"Channel 0008\": satellite link names slot 64, outside the satellite table"},
        {"transponder without a satellite", [](ChannelDatabase& d) { d.transponder(5).setSatelliteLink(d.transponder(5).satelliteLink().withIndex(99)); },
         "transponder 5: satellite link names slot 99, outside the satellite table"},
        {"record field out of step with its node", [](ChannelDatabase& d) { d.channel(10).setSatelliteLink(1, d.channel(10).satelliteLink(1).withKey(d.channel(10).satelliteLink(1).key() + 1)); }, "list kind"},
        {"wrong count", [](ChannelDatabase& d) { ++d.lists().Head(ListKind::Tuner1Radio, 0)->count; }, "list kind 25 head 0"},
        {"missing member", [](ChannelDatabase& d) { ListHead* h = d.lists().Head(ListKind::TvByTransponder, 0); d.lists().Unlink(h->first); d.lists().Renumber(h); d.lists().WriteBack(h); }, "list kind 13 head 0"},
        {"order renumbered but never written back", [](ChannelDatabase& d) { ListHead* h = d.lists().Head(ListKind::Tuner2Tv, 0); d.lists().MoveBefore(h->first, h->first->next); d.lists().Renumber(h); }, "list kind 27 head 0"},
        {"favourite byte without its list entry", [](ChannelDatabase& d) { d.channel(11).setFavouriteByte(0, 3, 0x80); }, "favourite group 4"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelDatabase damaged;
        fillFullDatabase(damaged);
        damaged.BuildAllLists();
        c.damage(damaged);
        const std::vector<IntegrityProblem> problems = CheckIntegrity(damaged);
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(0u, IntegrityProblemLine(problems[0]).find(c.firstProblem)) << IntegrityProblemLine(problems[0]);
    }
}
