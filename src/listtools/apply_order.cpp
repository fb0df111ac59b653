#include "listtools/apply_order.h"

#include "database/settings_record.h"
#include "listtools/channel_entries.h"
#include "listtools/channel_matcher.h"
#include "listtools/main_order.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace vorlane {

namespace {

constexpr int kFavouriteGroups = ChannelRecord::kFavouriteGroupCount;

struct SideMatches {
    std::vector<std::pair<const ChannelEntry*, Pk>> matched; // reference channel, its match here
    std::vector<Pk> unmatched;
};

bool HasTunerTwoChannels(const ChannelDatabase& db) {
    return std::any_of(kTvAndRadio.begin(), kTvAndRadio.end(),
                       [&db](ServiceType type) { return !MainListPks(db, TunerSide::Second, type).empty(); });
}

// Matched members in the reference's group order, then the unmatched members in their own order.
void WriteFavourites(ChannelDatabase& db, const SideMatches& matches, TunerSide side) {
    for (int group = 0; group < kFavouriteGroups; ++group) {
        std::vector<std::pair<unsigned, Pk>> members; // order, pk
        for (const auto& [reference, pk] : matches.matched) {
            const std::uint8_t byte = reference->favouriteBytes[static_cast<std::size_t>(group)];
            if (byte != 0)
                members.emplace_back(byte & 0x7Fu, pk);
            else
                db.ChannelOfPk(pk).SetFavouriteByte(side, group, 0);
        }
        std::stable_sort(members.begin(), members.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::pair<unsigned, Pk>> own;
        for (const Pk pk : matches.unmatched)
            if (const std::uint8_t byte = db.ChannelOfPk(pk).FavouriteByte(side, group); byte != 0)
                own.emplace_back(byte & 0x7Fu, pk);
        std::stable_sort(own.begin(), own.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        members.insert(members.end(), own.begin(), own.end());
        unsigned position = 0;
        for (const auto& member : members) {
            // A group orders at most 128 members per tuner; the rest leave it.
            const std::uint8_t byte = position <= LinkWord::kMaxFavouritePosition
                                          ? static_cast<std::uint8_t>(0x80u | position)
                                          : std::uint8_t{0};
            db.ChannelOfPk(member.second).SetFavouriteByte(side, group, byte);
            ++position;
        }
    }
}

void CopyGroupNames(ChannelDatabase& db, const ChannelDatabase& reference) {
    // The settings view reads through writable bytes, so it gets a copy of the reference's record.
    std::array<std::uint8_t, ReceiverSettings::kSize> copy{};
    const ConstByteSpan source = reference.CurrentSettings();
    std::copy_n(source.begin(), copy.size(), copy.begin());
    const ReceiverSettings from(copy);
    ReceiverSettings to = CurrentReceiverSettings(db);
    for (std::size_t group = 0; group < static_cast<std::size_t>(kFavouriteGroups); ++group)
        if (const std::string name = from.fav_name(group); !name.empty())
            to.set_fav_name(group, name);
}

} // namespace

ApplyOrderResult ApplyReferenceOrder(ChannelDatabase& db, const ChannelDatabase& reference, bool favourites) {
    ApplyOrderResult result;
    const bool referenceHasTunerTwo = HasTunerTwoChannels(reference);
    for (const TunerSide side : kTunerSides) {
        // Kept for the whole side: the favourite groups hold TV and radio channels together.
        std::array<std::vector<ChannelEntry>, kTvAndRadio.size()> others;
        SideMatches sideMatches;
        for (std::size_t t = 0; t < kTvAndRadio.size(); ++t) {
            others[t] = MainListEntries(reference, referenceHasTunerTwo ? side : TunerSide::First, kTvAndRadio[t]);
            ChannelMatcher matcher(others[t]);
            std::vector<std::pair<int, Pk>> matched; // reference position, pk
            std::vector<Pk> unmatched;
            for (const ChannelEntry& entry : MainListEntries(db, side, kTvAndRadio[t])) {
                if (const int index = matcher.Match(entry); index >= 0) {
                    matched.emplace_back(index, entry.pk);
                    sideMatches.matched.emplace_back(&others[t][static_cast<std::size_t>(index)], entry.pk);
                } else {
                    unmatched.push_back(entry.pk);
                }
            }
            std::sort(matched.begin(), matched.end());
            std::vector<Pk> order;
            for (const auto& pair : matched)
                order.push_back(pair.second);
            order.insert(order.end(), unmatched.begin(), unmatched.end());
            WriteMainOrder(db, order);
            result.matched += static_cast<int>(matched.size());
            result.unmatched += static_cast<int>(unmatched.size());
            sideMatches.unmatched.insert(sideMatches.unmatched.end(), unmatched.begin(), unmatched.end());
        }
        if (favourites)
            WriteFavourites(db, sideMatches, side);
    }
    if (favourites)
        CopyGroupNames(db, reference);
    RebuildAfterListEdit(db);
    db.SetModified(true);
    return result;
}

} // namespace vorlane
