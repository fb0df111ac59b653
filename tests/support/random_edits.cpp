#include "support/random_edits.h"

#include "database/add_records.h"
#include "database/delete_channels.h"
#include "database/delete_transponders.h"
#include "database/favourite_ops.h"
#include "database/list_test_util.h"
#include "database/move_channels.h"
#include "database/tuner_copy.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace vorlane::testing {
namespace {

std::vector<int> channelSides(const ChannelDatabase& db) {
    std::vector<int> pks;
    for (const ListKind kind : {ListKind::TvChannels, ListKind::RadioChannels, ListKind::DataChannels})
        std::ranges::copy(pksOf(db, kind, 0), std::back_inserter(pks));
    return pks;
}

std::vector<int> someOf(Dice& dice, const std::vector<int>& from, int most) {
    std::vector<int> chosen;
    const int n = 1 + dice.below(most);
    for (int i = 0; i < n && !from.empty(); ++i)
        chosen.push_back(dice.pick(from));
    return chosen;
}

// A channel record as an importer or the channel dialog would hand it over: links that name its
// satellite and transponder, keys that say nothing in particular.
std::array<std::uint8_t, kChannelRecordSize> randomChannel(Dice& dice, const ChannelDatabase& db, int transponder) {
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    const ChannelRecord record(bytes.data());
    record.setName("Random " + std::to_string(dice.below(1000)));
    record.setVideoPid(static_cast<std::uint16_t>(0x100 + dice.below(0x1000)));
    const auto type = static_cast<unsigned>(dice.below(10) < 6 ? 0 : dice.below(10) < 8 ? 1 : 2);
    record.setServiceType(static_cast<std::uint8_t>(type));
    const int sides = dice.below(3); // tuner 1, tuner 2 or both
    const unsigned satellite = db.transponder(transponder).satelliteLink().index();
    for (int side = 0; side < kTunerCount; ++side) {
        ServiceWord service(0);
        service.setScrambled(dice.percent(30));
        record.setServiceWord(side, service);
        const LinkWord base = LinkWord().withType(type).withKey(static_cast<unsigned>(dice.below(5000)));
        record.setMainLink(side, base);
        record.setFsLink(side, base.withIndex(service.scrambled() ? 1 : 0));
        record.setSatelliteLink(side, base.withIndex(satellite));
        record.setTransponderLink(side, base.withIndex(static_cast<unsigned>(transponder)));
        record.setPresence(side, sides == 2 || sides == side ? 1 : 0);
    }
    return bytes;
}

std::array<std::uint8_t, kTransponderRecordSize> randomTransponder(Dice& dice) {
    std::array<std::uint8_t, kTransponderRecordSize> bytes{};
    const TransponderRecord record(bytes.data());
    record.setNetworkId(static_cast<std::uint16_t>(1 + dice.below(100)));
    record.setNetworkName("Net");
    record.setFrequency(static_cast<std::uint16_t>(10700 + dice.below(2050)));
    record.setSymbolRate(27500);
    TuningWord tuning(0);
    tuning.setPolarisation(1 + static_cast<unsigned>(dice.below(2)));
    record.setTuning(tuning);
    const auto key = static_cast<unsigned>(dice.below(1500));
    record.setSatelliteLink(LinkWord().withIndex(static_cast<unsigned>(dice.below(kSatelliteCount))).withKey(key));
    record.setListLink(LinkWord().withKey(key).toForm16());
    record.setBandLink(LinkWord().withKey(key));
    return bytes;
}

} // namespace

std::string randomStep(Dice& dice, ChannelDatabase& db) {
    const std::vector<int> sides = channelSides(db);
    const std::vector<int> transponders = pksOf(db, ListKind::Transponders, 0);
    const int roll = dice.below(100);
    if (roll < 22) {
        if (transponders.empty())
            return "add channel skipped";
        AddChannel(db, randomChannel(dice, db, dice.pick(transponders)));
        return "add channel";
    }
    if (roll < 30) {
        AddTransponder(db, randomTransponder(dice));
        return "add transponder";
    }
    if (roll < 42) {
        DeleteChannels(db, someOf(dice, sides, 25));
        return "delete channels";
    }
    if (roll < 48) {
        if (!sides.empty())
            DeleteChannel(db, dice.pick(sides));
        return "delete channel";
    }
    if (roll < 52) {
        if (!transponders.empty())
            DeleteTransponder(db, dice.pick(transponders));
        return "delete transponder";
    }
    if (roll < 64) {
        AddFavorites(db, dice.below(8), someOf(dice, sides, 40));
        return "add favourites";
    }
    if (roll < 72) {
        const int group = dice.below(8);
        const std::vector<int> members = pksOf(db, FavouriteKind(group), 0);
        if (!members.empty())
            RemoveFavorite(db, group, dice.pick(members));
        return "remove favourite";
    }
    if (roll < 86) {
        const auto pane = dice.percent(70) ? ServiceType::Tv : ServiceType::Radio;
        const std::vector<int> paneList =
            pksOf(db, pane == ServiceType::Tv ? ListKind::TvChannels : ListKind::RadioChannels, 0);
        if (!paneList.empty())
            MoveChannels(db, pane, dice.pick(paneList), someOf(dice, sides, 6));
        return "move channels";
    }
    if (roll < 91) {
        const int source = dice.below(2);
        CopyTunerChannels(db, source, 1 - source, dice.percent(30));
        return "copy tuner";
    }
    if (roll < 95) {
        MergeTuners(db);
        return "merge";
    }
    DeleteEmptyTransponders(db);
    return "delete empty transponders";
}

} // namespace vorlane::testing
