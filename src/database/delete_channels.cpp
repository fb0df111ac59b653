#include "database/delete_channels.h"

#include "database/channel_side.h"
#include "database/list_edits.h"
#include "database/pk_channel.h"

#include <vector>

namespace vorlane {
namespace {

constexpr auto kFirstChannelKind = static_cast<std::uint32_t>(ListKind::TvChannels);
constexpr auto kLastChannelKind = static_cast<std::uint32_t>(ListKind::Tuner2Data);

bool NamesPresentSide(const ChannelDatabase& db, int pk) {
    if (pk < 0 || pk >= kChannelCount * kTunerCount)
        return false;
    const ConstChannelRecord record = db.ChannelOfPk(pk);
    return !record.IsFree() && record.PresentOn(TunerSideOfPk(pk));
}

} // namespace

int RemoveChannelSides(ChannelDatabase& db, std::span<const int> pks) {
    if (!db.TablesAllocated())
        return 0;
    std::vector<bool> marked(static_cast<std::size_t>(kChannelCount * kTunerCount), false);
    int sides = 0;
    for (const int pk : pks) {
        if (NamesPresentSide(db, pk) && !marked[static_cast<std::size_t>(pk)]) {
            marked[static_cast<std::size_t>(pk)] = true;
            ++sides;
        }
    }
    if (sides == 0)
        return 0;
    for (std::uint32_t kind = kFirstChannelKind; kind <= kLastChannelKind; ++kind)
        RemoveMarkedPks(db.Lists(), static_cast<ListKind>(kind), marked);
    // In the given order, as one-by-one deletion would: the second side of a record frees it.
    for (const int pk : pks) {
        if (pk < 0 || pk >= kChannelCount * kTunerCount || !marked[static_cast<std::size_t>(pk)])
            continue;
        marked[static_cast<std::size_t>(pk)] = false;
        RemoveChannelSide(db.ChannelOfPk(pk), TunerSideOfPk(pk));
    }
    return sides;
}

int DeleteChannels(ChannelDatabase& db, std::span<const int> pks) {
    const int removed = RemoveChannelSides(db, pks);
    if (removed == 0)
        return 0;
    RebuildPkChannel(db);
    db.SetModified(true);
    return removed;
}

int DeleteChannel(ChannelDatabase& db, int pk) {
    return DeleteChannels(db, std::span<const int>(&pk, 1));
}

} // namespace vorlane
