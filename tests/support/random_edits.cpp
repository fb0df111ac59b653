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

std::vector<Pk> ChannelSides(const ChannelDatabase& db) {
    std::vector<Pk> pks;
    for (const ListKind kind : {ListKind::TvChannels, ListKind::RadioChannels, ListKind::DataChannels})
        std::ranges::copy(PkListOf(db, kind, 0), std::back_inserter(pks));
    return pks;
}

std::vector<Pk> SomeOf(Dice& dice, const std::vector<Pk>& from, int most) {
    std::vector<Pk> chosen;
    const int n = 1 + dice.Below(most);
    for (int i = 0; i < n && !from.empty(); ++i)
        chosen.push_back(dice.Pick(from));
    return chosen;
}

// A channel record as an importer or the channel dialog would hand it over: links that name its
// satellite and transponder, keys that say nothing in particular.
std::array<std::uint8_t, kChannelRecordSize> RandomChannel(Dice& dice, const ChannelDatabase& db, int transponder) {
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    const ChannelRecord record(bytes.data());
    record.SetName("Random " + std::to_string(dice.Below(1000)));
    record.SetVideoPid(static_cast<std::uint16_t>(0x100 + dice.Below(0x1000)));
    const auto type = static_cast<unsigned>(dice.Below(10) < 6 ? 0 : dice.Below(10) < 8 ? 1 : 2);
    record.SetServiceType(static_cast<std::uint8_t>(type));
    const int sides = dice.Below(3); // tuner 1, tuner 2 or both
    const unsigned satellite = db.Transponder(transponder).SatelliteLink().Index();
    for (const TunerSide side : kTunerSides) {
        ServiceWord service(0);
        service.SetScrambled(dice.Percent(30));
        record.SetServiceWord(side, service);
        const LinkWord base = LinkWord().WithType(type).WithKey(static_cast<unsigned>(dice.Below(5000)));
        record.SetMainLink(side, base);
        record.SetFsLink(side, base.WithIndex(service.Scrambled() ? 1 : 0));
        record.SetSatelliteLink(side, base.WithIndex(satellite));
        record.SetTransponderLink(side, base.WithIndex(static_cast<unsigned>(transponder)));
        record.SetPresence(side, sides == 2 || sides == SideIndex(side) ? 1 : 0);
    }
    return bytes;
}

std::array<std::uint8_t, kTransponderRecordSize> RandomTransponder(Dice& dice) {
    std::array<std::uint8_t, kTransponderRecordSize> bytes{};
    const TransponderRecord record(bytes.data());
    record.SetNetworkId(static_cast<std::uint16_t>(1 + dice.Below(100)));
    record.SetNetworkName("Net");
    record.SetFrequency(static_cast<std::uint16_t>(10700 + dice.Below(2050)));
    record.SetSymbolRate(27500);
    TuningWord tuning(0);
    tuning.SetPolarisation(1 + static_cast<unsigned>(dice.Below(2)));
    record.SetTuning(tuning);
    const auto key = static_cast<unsigned>(dice.Below(1500));
    record.SetSatelliteLink(LinkWord().WithIndex(static_cast<unsigned>(dice.Below(kSatelliteCount))).WithKey(key));
    record.SetListLink(LinkWord().WithKey(key).ToForm16());
    record.SetBandLink(LinkWord().WithKey(key));
    return bytes;
}

} // namespace

std::string RandomStep(Dice& dice, ChannelDatabase& db) {
    const std::vector<Pk> sides = ChannelSides(db);
    const std::vector<int> transponders = PksOf(db, ListKind::Transponders, 0);
    const int roll = dice.Below(100);
    if (roll < 22) {
        if (transponders.empty())
            return "add channel skipped";
        return AddChannel(db, RandomChannel(dice, db, dice.Pick(transponders))) ? "add channel" : "add channel refused";
    }
    if (roll < 30) {
        return AddTransponder(db, RandomTransponder(dice)) ? "add transponder" : "add transponder refused";
    }
    if (roll < 42) {
        DeleteChannels(db, SomeOf(dice, sides, 25));
        return "delete channels";
    }
    if (roll < 48) {
        if (!sides.empty())
            DeleteChannel(db, dice.Pick(sides));
        return "delete channel";
    }
    if (roll < 52) {
        return !transponders.empty() && DeleteTransponder(db, dice.Pick(transponders)) ? "delete transponder"
                                                                                       : "delete transponder skipped";
    }
    if (roll < 64) {
        AddFavourites(db, dice.Below(8), SomeOf(dice, sides, 40));
        return "add favourites";
    }
    if (roll < 72) {
        const int group = dice.Below(8);
        const std::vector<Pk> members = PkListOf(db, FavouriteKind(group), 0);
        if (!members.empty())
            RemoveFavourite(db, group, dice.Pick(members));
        return "remove favourite";
    }
    if (roll < 86) {
        const auto pane = dice.Percent(70) ? ServiceType::Tv : ServiceType::Radio;
        const std::vector<Pk> paneList =
            PkListOf(db, pane == ServiceType::Tv ? ListKind::TvChannels : ListKind::RadioChannels, 0);
        if (!paneList.empty())
            MoveChannels(db, pane, dice.Pick(paneList), SomeOf(dice, sides, 6));
        return "move channels";
    }
    if (roll < 91) {
        const TunerSide source = dice.Below(2) == 0 ? TunerSide::First : TunerSide::Second;
        CopyTunerChannels(db, source, OtherSide(source), dice.Percent(30));
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
