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
        FillFullDatabase(m_db);
        m_db.BuildAllLists();
    }
    ChannelDatabase m_db;
};

} // namespace

// Each damage is found, and the first problem names what was damaged.
TEST_F(IntegrityCheck, FindsEachDamageAndNamesTheRecordAndLeavesTheDatabaseUntouched) {
    const std::vector<std::uint8_t> channels(m_db.ChannelBuffer().begin(), m_db.ChannelBuffer().end());
    const std::size_t used = m_db.Lists().Pool().UsedCount();
    const std::size_t cursor = m_db.Lists().Pool().Cursor();
    EXPECT_TRUE(CheckIntegrity(m_db).empty());
    EXPECT_TRUE(std::ranges::equal(channels, m_db.ChannelBuffer()));
    EXPECT_EQ(used, m_db.Lists().Pool().UsedCount());
    EXPECT_EQ(cursor, m_db.Lists().Pool().Cursor());

    struct Case {
        const char* what;
        std::function<void(ChannelDatabase&)> damage;
        std::string firstProblem;
    };
    // clang-format off
    const Case cases[] = {
        {"transponder link past the table", [](ChannelDatabase& d) { d.Channel(7).SetTransponderLink(TunerSide::Second, d.Channel(7).TransponderLink(TunerSide::Second).WithIndex(0x3FFF)); },
         "channel 7 tuner 2 \"Channel 0007\": transponder link names slot 16383, outside the transponder table"},
        {"transponder link to a free transponder", [](ChannelDatabase& d) { std::fill_n(d.Transponder(1499).RecordBytes(), kTransponderRecordSize, std::uint8_t{0xFF}); },
         "channel 1499 tuner 1 \"Channel 1499\": transponder link names free transponder 1499"},
        {"satellite link past the table", [](ChannelDatabase& d) { d.Channel(8).SetSatelliteLink(TunerSide::First, d.Channel(8).SatelliteLink(TunerSide::First).WithIndex(64)); },
         "channel 8 tuner 1 \"Channel 0008\": satellite link names slot 64, outside the satellite table"},
        {"transponder without a satellite", [](ChannelDatabase& d) { d.Transponder(5).SetSatelliteLink(d.Transponder(5).SatelliteLink().WithIndex(99)); },
         "transponder 5: satellite link names slot 99, outside the satellite table"},
        {"record field out of step with its node", [](ChannelDatabase& d) { d.Channel(10).SetSatelliteLink(TunerSide::Second, d.Channel(10).SatelliteLink(TunerSide::Second).WithKey(d.Channel(10).SatelliteLink(TunerSide::Second).Key() + 1)); }, "list kind"},
        {"wrong count", [](ChannelDatabase& d) { ++d.Lists().Head(ListKind::Tuner1Radio, 0)->count; }, "list kind 25 head 0"},
        {"missing member", [](ChannelDatabase& d) { ListHead* h = d.Lists().Head(ListKind::TvByTransponder, 0); d.Lists().Unlink(h->first); d.Lists().Renumber(h); d.Lists().WriteBack(h); }, "list kind 13 head 0"},
        {"order renumbered but never written back", [](ChannelDatabase& d) { ListHead* h = d.Lists().Head(ListKind::Tuner2Tv, 0); d.Lists().MoveBefore(h->first, h->first->next); d.Lists().Renumber(h); }, "list kind 27 head 0"},
        {"favourite byte without its list entry", [](ChannelDatabase& d) { d.Channel(11).SetFavouriteByte(TunerSide::First, 3, 0x80); }, "favourite group 4"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelDatabase damaged;
        FillFullDatabase(damaged);
        damaged.BuildAllLists();
        c.damage(damaged);
        const std::vector<IntegrityProblem> problems = CheckIntegrity(damaged);
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(0u, IntegrityProblemLine(problems[0]).find(c.firstProblem)) << IntegrityProblemLine(problems[0]);
    }
}
