#include "database/delete_channels.h"

#include "database/channel_side.h"
#include "database/list_edits.h"
#include "database/pk_channel.h"

#include <vector>

namespace vorlane {
namespace {

constexpr auto kFirstChannelKind = static_cast<std::uint32_t>(ListKind::TvChannels);
constexpr auto kLastChannelKind = static_cast<std::uint32_t>(ListKind::Tuner2Data);

bool NamesPresentSide(const ChannelDatabase& db, Pk pk) {
    if (!pk.IsChannelSide())
        return false;
    const ConstChannelRecord record = db.ChannelOfPk(pk);
    return !record.IsFree() && record.PresentOn(pk.Side());
}

} // namespace

int RemoveChannelSides(ChannelDatabase& db, std::span<const Pk> pks) {
    if (!db.TablesAllocated())
        return 0;
    std::vector<bool> marked(static_cast<std::size_t>(kChannelCount * kTunerCount), false);
    int sides = 0;
    for (const Pk pk : pks) {
        if (NamesPresentSide(db, pk) && !marked[pk.Value()]) {
            marked[pk.Value()] = true;
            ++sides;
        }
    }
    if (sides == 0)
        return 0;
    for (std::uint32_t kind = kFirstChannelKind; kind <= kLastChannelKind; ++kind)
        RemoveMarkedPks(db.Lists(), static_cast<ListKind>(kind), marked);
    // In the given order, as one-by-one deletion would: the second side of a record frees it.
    for (const Pk pk : pks) {
        if (!pk.IsChannelSide() || !marked[pk.Value()])
            continue;
        marked[pk.Value()] = false;
        RemoveChannelSide(db.ChannelOfPk(pk), pk.Side());
    }
    return sides;
}

int DeleteChannels(ChannelDatabase& db, std::span<const Pk> pks) {
    const int removed = RemoveChannelSides(db, pks);
    if (removed == 0)
        return 0;
    RebuildPkChannel(db);
    db.SetModified(true);
    return removed;
}

int DeleteChannel(ChannelDatabase& db, Pk pk) {
    return DeleteChannels(db, std::span<const Pk>(&pk, 1));
}

} // namespace vorlane
