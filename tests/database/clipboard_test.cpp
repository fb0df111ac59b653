// Copy and paste of channels between databases: the byte block round trip, the transponder a paste finds or
// creates, the place after the caret channel, and copies that have nowhere to go.
#include "database/channel_clipboard.h"
#include "database/move_channels.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

int FirstTvPk(const ChannelDatabase& db, int side) {
    for (const ListNode* node = db.lists().Head(ListKind::TvChannels, 0)->first; node; node = node->next)
        if (TunerSideOfPk(node->pk) == side)
            return node->pk;
    return -1;
}

int UsedTransponders(const ChannelDatabase& db) {
    return db.lists().Head(ListKind::Transponders, 0)->count;
}

TEST(ChannelClipboard, PasteIntoAnotherFileFindsOrCreatesTheTransponder) {
    ChannelDatabase from, into;
    ASSERT_GT(testing::makeSampleDatabase(from, 1, 8, 120, 600), 0);
    ASSERT_GT(testing::makeSampleDatabase(into, 2, 8, 120, 600), 0);
    const int pk = FirstTvPk(from, 0);
    const std::vector<CopiedChannel> copies = DecodeCopiedChannels(EncodeCopiedChannels(CopyChannels(from, {&pk, 1})));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(DecodeCopiedChannels(std::vector<std::uint8_t>{'x', 'y'}).empty());

    // No satellite at the copy's position: nothing is pasted.
    const int target = into.lists().Head(ListKind::Satellites, 0)->first->pk;
    for (int satellite = 0; satellite < kSatelliteCount; ++satellite)
        if (into.satellite(satellite).orbitalPosition() == copies[0].satellitePosition)
            into.satellite(satellite).setOrbitalPosition(static_cast<std::int16_t>(copies[0].satellitePosition + 1));
    EXPECT_TRUE(PasteChannels(into, ServiceType::Tv, -1, copies).empty());
    EXPECT_FALSE(into.modified());

    // A satellite at that position: the first paste adds the transponder, the second finds it.
    into.satellite(target).setOrbitalPosition(copies[0].satellitePosition);
    const int transponders = UsedTransponders(into);
    const int after = FirstTvPk(into, 0);
    for (int paste = 1; paste <= 2; ++paste) {
        const std::vector<int> pasted = PasteChannels(into, ServiceType::Tv, after, copies);
        ASSERT_EQ(pasted.size(), 1u);
        EXPECT_EQ(ChannelNumber(into, pasted[0]), ChannelNumber(into, after) + 1);
        EXPECT_EQ(into.channelOfPk(pasted[0]).name(), from.channelOfPk(pk).name());
        EXPECT_EQ(UsedTransponders(into), transponders + 1);
        const auto tp = into.transponder(static_cast<int>(into.channelOfPk(pasted[0]).transponderLink(0).index()));
        EXPECT_EQ(tp.frequency(), copies[0].frequency);
        EXPECT_EQ(static_cast<int>(tp.satelliteLink().index()), target);
    }
    EXPECT_TRUE(into.modified());
    EXPECT_TRUE(testing::verifyLists(into));
}

} // namespace
} // namespace vorlane
